#include "sim/SimRadio.h"

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

std::vector<SimReply> send(SimRadio& r, const Proto::Bytes& b, steady_clock::time_point t = steady_clock::now())
{
    return r.feed(b.data(), b.size(), t);
}

}  // namespace

TEST(SimFault, ParsesEveryKindAndRejectsNonsense)
{
    auto f = SimFault::parse("silence:Eb:100");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->kind, SimFaultKind::Silence);
    EXPECT_EQ(f->command, "Eb");
    EXPECT_EQ(f->after, 100);
    f = SimFault::parse("refuse-block:0x11A");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->address, 0x11Au);
    f = SimFault::parse("silent-after:10");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->count, 10);
    f = SimFault::parse("refuse-register:0x8302");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->kind, SimFaultKind::RefuseRegister);
    EXPECT_EQ(f->address, 0x8302u);
    for (const char* ok : {"short", "checksum:Bb", "ack:Ma:2", "line-error:Eb:0:2"}) EXPECT_TRUE(SimFault::parse(ok)) << ok;
    for (const char* bad : {"", "loud", "silence:Ebb", "silence:Eb:x", "refuse-block", "refuse-block:-1",
                            "silent-after:1:2", "short:Eb:1:2:3", "refuse-block:99999999999",
                            "refuse-register:0x10000", "refuse-register"})
        EXPECT_FALSE(SimFault::parse(bad)) << bad;
}

TEST(SimRadio, FindsRequestsInAnyChunkingAndSkipsGarbage)
{
    SimRadio r;
    Proto::Bytes stream{0x00, 0x55, 0x02, 'Z', 'z', 0x03};  // noise and an unknown command
    auto pa = Proto::handshake();
    stream.insert(stream.end(), pa.begin(), pa.end());
    auto t = steady_clock::now();
    std::vector<SimReply> all;
    for (auto b : stream) {
        auto got = r.feed(&b, 1, t);
        all.insert(all.end(), got.begin(), got.end());
    }
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].bytes, Proto::ack('P', 'a'));
}

TEST(SimRadio, DropsAnIncompleteRequestAfterTheGap)
{
    SimRadio r;
    auto t = steady_clock::now();
    auto ma = Proto::setMode(2);
    r.feed(ma.data(), 3, t);  // the rest never comes
    auto replies = send(r, Proto::handshake(), t + milliseconds(100));
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].bytes, Proto::ack('P', 'a'));
}

TEST(SimRadio, IgnoresBlockCommandsOutsideAModeOrTheMemory)
{
    SimRadio r;
    EXPECT_TRUE(send(r, Proto::readBlock(0, 32)).empty());  // no mode yet
    ASSERT_EQ(send(r, Proto::setMode(2))[0].bytes, Proto::ack('M', 'a'));
    EXPECT_EQ(send(r, Proto::readBlock(8160, 32))[0].bytes.size(), 43u);
    EXPECT_TRUE(send(r, Proto::readBlock(8161, 32)).empty());
    EXPECT_TRUE(send(r, Proto::readBlock(0xFFFFFFF0u, 32)).empty());
    std::uint8_t d[4] = {1, 2, 3, 4};
    auto bad = Proto::writeBlock(0, d, 4);
    bad[9] ^= 0x40;  // checksum no longer matches
    EXPECT_TRUE(send(r, bad).empty());
    EXPECT_EQ(r.memory()[0], 0xFF);
}

TEST(SimRadio, PasswordGuardsEveryModeUntilLeaving)
{
    SimRadio r;
    r.setPassword("0815");
    EXPECT_EQ(send(r, Proto::setMode(2))[0].bytes, Proto::ack('M', 'a', 'c'));
    EXPECT_TRUE(send(r, Proto::readBlock(0, 32)).empty());
    EXPECT_NE(send(r, Proto::password("0816", 2))[0].bytes, Proto::ack('W', 'b'));
    EXPECT_EQ(send(r, Proto::password("0815", 2))[0].bytes, Proto::ack('W', 'b'));
    EXPECT_EQ(r.currentMode(), 2);
    EXPECT_EQ(send(r, Proto::readBlock(0, 32)).size(), 1u);
    send(r, Proto::setMode(1));
    EXPECT_EQ(send(r, Proto::setMode(3))[0].bytes, Proto::ack('M', 'a', 'c'));
}

TEST(SimRadio, GoesSilentAfterTheGivenNumberOfBlocks)
{
    SimRadio r;
    r.addFault(*SimFault::parse("silent-after:2"));
    send(r, Proto::setMode(2));
    EXPECT_EQ(send(r, Proto::readBlock(0, 32)).size(), 1u);
    EXPECT_EQ(send(r, Proto::readBlock(32, 32)).size(), 1u);
    EXPECT_TRUE(send(r, Proto::readBlock(64, 32)).empty());
    EXPECT_TRUE(send(r, Proto::setMode(1)).empty());
}
