// Radio replies are untrusted: every session runs against the simulated
// radio behind a cable that damages a share of the replies - cut short,
// lengthened, a wrong checksum, a wrong acknowledgement, one byte changed,
// replaced by random bytes, lost, or hit by a line error. Each session must
// end in bounded time with either its success or a failure that carries a
// message, and a failed read must leave the caller's data as it was.
#include "MutationKit.h"
#include "SessionFixture.h"
#include "link/DamagingTransport.h"

#include "link/ImageSessions.h"
#include "link/TransferPlans.h"
#include "link/TuningSessions.h"
#include "settings/TextIds.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// No pauses: the damaging cable answers at once.
constexpr LinkTiming kNoWait{0, 0, 0, 0, 10, 3};

struct DamagedRun {
    SessionFixture f{0, kNoWait};
    Mutator m;
    DamagingOpener opener;
    SessionContext ctx;

    DamagedRun(std::uint32_t seed, unsigned percent)
        : m(seed), opener(f.radio, m, percent), ctx{opener, f.settings, f.prompt, "1", kNoWait, {}}
    {
        f.prompt.passwords = {std::string("00000000"), std::string("00000000"), std::string("00000000")};
    }
};

void expectCleanEnd(const Outcome& o, Clock::duration took, const std::string& what)
{
    EXPECT_LT(took, std::chrono::seconds(2)) << what << ": took too long";
    // Message 0 on failure is only the cancelled password question.
    if (!o.ok && o.message == 0) return;
    EXPECT_TRUE(o.ok || o.message != 0) << what;
}

template <class Session>
Clock::duration timed(Session&& s)
{
    const auto start = Clock::now();
    s();
    return Clock::now() - start;
}

}  // namespace

TEST(ReplyMutation, ReadSessionsFailCleanlyOrReadTheRadio)
{
    int ok = 0, failed = 0;
    for (std::uint32_t seed = 1; seed <= 40u * static_cast<unsigned>(scaled(1)); ++seed) {
        DamagedRun run(seed, 1 + seed % 6);
        const SimRadio::Memory memory = run.f.radio.memory();
        RadioImage image;
        image.fill(0xA5);
        TransferResult r;
        const auto took = timed([&] { r = readFromRadio(run.ctx, image); });
        const std::string what = "seed " + std::to_string(seed);
        expectCleanEnd(r.outcome, took, what);
        if (r.outcome.ok) {
            ++ok;
            EXPECT_EQ(r.outcome.message, MsgId::kRadioReadDone) << what;
            EXPECT_TRUE(std::equal(image.begin(), image.end(), memory.begin())) << what << ": damaged data accepted";
        } else {
            ++failed;
            for (std::uint8_t b : image) ASSERT_EQ(b, 0xA5) << what << ": a failed read changed the image";
        }
    }
    EXPECT_GT(ok, 0);
    EXPECT_GT(failed, 0);
}

TEST(ReplyMutation, WriteSessionsFailCleanlyOrWriteTheRadio)
{
    int ok = 0;
    for (std::uint32_t seed = 100; seed < 100u + 30u * static_cast<unsigned>(scaled(1)); ++seed) {
        DamagedRun run(seed, 1 + seed % 5);
        RadioImage image;
        for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 5 + seed);
        const RadioImage sent = image;
        TransferResult r;
        const auto took = timed([&] { r = writeToRadio(run.ctx, image); });
        const std::string what = "seed " + std::to_string(seed);
        expectCleanEnd(r.outcome, took, what);
        if (r.outcome.ok) {
            ++ok;
            const auto mem = run.f.radio.memory();
            for (const BlockSpan& b : Plans::write(false))
                EXPECT_TRUE(std::equal(sent.begin() + b.address, sent.begin() + b.address + b.length, mem.begin() + b.address))
                    << what << " block " << b.address;
        } else {
            // Only a completed write puts the stamp into the caller's image.
            EXPECT_EQ(image, sent) << what;
        }
    }
    EXPECT_GT(ok, 0);
}

TEST(ReplyMutation, TuningFactoryAndMessageSessionsEndCleanly)
{
    for (std::uint32_t seed = 200; seed < 200u + 40u * static_cast<unsigned>(scaled(1)); ++seed) {
        DamagedRun run(seed, 2 + seed % 8);
        const std::string what = "seed " + std::to_string(seed);
        CRadioLink link(run.opener, kNoWait);
        RadioImage image;
        image.fill(0x3C);
        const RadioImage before = image;
        Outcome o;
        Clock::duration took{};
        switch (seed % 6) {
        case 0: {
            TuningConnection tc;
            took = timed([&] { tc = writeTuneData(link, run.ctx, image); });
            o = tc.result.outcome;
            break;
        }
        case 1: {
            TransferResult r;
            took = timed([&] { r = factoryRead(link, run.ctx, image); });
            o = r.outcome;
            if (!o.ok && r.port.empty()) {
                EXPECT_FALSE(r.identified) << what;
            }
            if (!o.ok) {
                EXPECT_EQ(r.bandWordsRange, "") << what;
                EXPECT_EQ(image, before) << what << ": a failed factory read changed the image";
            }
            break;
        }
        case 2: {
            took = timed([&] { o = factoryWrite(link, run.ctx, image).outcome; });
            break;
        }
        case 3: took = timed([&] { o = writeTuneSwitch(link, run.ctx, image).outcome; }); break;
        case 4: {
            std::uint8_t record[144];
            std::fill(std::begin(record), std::end(record), 0x77);
            bool changed = false;
            took = timed([&] { o = readEmbeddedMessages(link, run.ctx, record, changed).outcome; });
            if (!o.ok) {
                for (std::uint8_t b : record) ASSERT_EQ(b, 0x77) << what << ": a failed read changed the messages";
            }
            break;
        }
        default: {
            // The adjustment screens: mode 6, register reads and writes, keep or drop.
            took = timed([&] {
                TuningConnection tc = openTuningConnection(link, run.ctx, Proto::Mode::Tuning);
                o = tc.result.outcome;
                if (!o.ok) return;
                for (std::uint16_t reg = 0; reg < 12; ++reg) {
                    std::uint8_t value[2] = {0xEE, 0xEE};
                    const int got = link.readRegister(reg, value, 2);
                    EXPECT_TRUE(got == -1 || got == 0 || got == 1) << what;
                    link.writeRegister(reg, value, 2);
                }
                link.output(1, 1);
                link.tuningMode(seed % 2 == 0);
                link.setMode(Proto::Mode::Leave);
                link.close();
            });
            break;
        }
        }
        expectCleanEnd(o, took, what);
        link.close();
    }
}
