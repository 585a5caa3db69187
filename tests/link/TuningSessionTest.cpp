#include "link/TransferPlans.h"
#include "link/TuningSessions.h"
#include "SessionFixture.h"
#include "settings/TextIds.h"

#include <gtest/gtest.h>

namespace {

RadioImage pattern(std::uint8_t seed)
{
    RadioImage img;
    for (std::size_t i = 0; i < img.size(); ++i) img[i] = static_cast<std::uint8_t>(i * 5 + seed);
    return img;
}

void otherBand(SessionFixture& f)
{
    SimIdentity id = f.radio.identity();
    id.lowEdge = 40000000;
    id.highEdge = 48000000;
    f.radio.setIdentity(id);
}

}  // namespace

TEST(TuningConnection, AdjustmentTakesOverARadioOfAnotherBand)
{
    SessionFixture f;
    otherBand(f);
    CRadioLink link(f.ports, f.ctx.timing);
    TuningConnection tc = openTuningConnection(link, f.ctx, Proto::Mode::Tuning);
    ASSERT_TRUE(tc.result.outcome.ok);
    EXPECT_TRUE(tc.rangeChanged);
    EXPECT_TRUE(tc.result.identityAccepted);
    EXPECT_EQ(rangeText(tc.result.band), "400-480");
    EXPECT_EQ(f.settings.freqRange(), "136-174");  // the caller takes it over
    EXPECT_TRUE(link.isOpen());
    EXPECT_EQ(f.radio.currentMode(), 6);
    std::uint8_t v[2];
    EXPECT_EQ(link.readRegister(0x8302, v, 2), 1);
}

TEST(TuningConnection, TuneDataWriteRefusesARadioOfAnotherBand)
{
    SessionFixture f;
    otherBand(f);
    CRadioLink link(f.ports, f.ctx.timing);
    TuningConnection tc = openTuningConnection(link, f.ctx, Proto::Mode::Write);
    EXPECT_EQ(tc.result.outcome.message, MsgId::kRadioRangeOutside);
    EXPECT_EQ(tc.result.outcome.args, std::vector<std::string>{"400-480"});
    EXPECT_EQ(f.settings.freqRange(), "136-174");
    EXPECT_FALSE(link.isOpen());
}

TEST(WriteTuneData, SendsExactlySeventeenBlocksOfTheTuneDataArea)
{
    SessionFixture f;
    const auto before = f.radio.memory();
    RadioImage image = pattern(3);
    CRadioLink link(f.ports, f.ctx.timing);
    TuningConnection tc = writeTuneData(link, f.ctx, image);
    ASSERT_TRUE(tc.result.outcome.ok);
    EXPECT_EQ(tc.result.outcome.message, MsgId::kTuneDataWritten);
    auto w = f.writes();
    ASSERT_EQ(w.size(), 17u);
    for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(w[i], std::make_pair(5667u + 32u * static_cast<unsigned>(i), std::uint16_t(32)));
    EXPECT_EQ(w[16], std::make_pair(6179u, std::uint16_t(20)));
    const auto after = f.radio.memory();
    for (std::uint32_t a = 0; a < 8192; ++a)
        ASSERT_EQ(after[a], (a >= 5667 && a <= 6198) ? image[a] : before[a]) << a;
    EXPECT_TRUE(f.leftProgrammingMode());
    EXPECT_EQ(f.ports.openPorts(), 0);
}

TEST(WriteTuneData, AFailedFirstBlockStillLeavesProgrammingMode)
{
    SessionFixture f;
    f.fault("refuse-block:5667");
    RadioImage image = pattern(4);
    CRadioLink link(f.ports, f.ctx.timing);
    TuningConnection tc = writeTuneData(link, f.ctx, image);
    EXPECT_EQ(tc.result.outcome.message, MsgId::kRadioWriteFailed);
    EXPECT_EQ(tc.result.outcome.args, std::vector<std::string>{"5667"});
    EXPECT_EQ(f.writes().size(), 1u);
    EXPECT_TRUE(f.leftProgrammingMode());
    EXPECT_EQ(f.ports.openPorts(), 0);
}

TEST(WriteTuneData, APasswordProtectedRadioIsAskedForItsPassword)
{
    SessionFixture f;
    f.radio.setPassword("42");
    f.prompt.passwords = {"42"};
    RadioImage image = pattern(5);
    CRadioLink link(f.ports, f.ctx.timing);
    EXPECT_TRUE(writeTuneData(link, f.ctx, image).result.outcome.ok);
    EXPECT_EQ(f.writes().size(), 17u);
}

TEST(EmbeddedMessages, ReadAndWriteTheSameBlocksAt5160)
{
    SessionFixture f;
    CRadioLink link(f.ports, f.ctx.timing);
    std::uint8_t record[144];
    bool rangeChanged = true;
    TransferResult r = readEmbeddedMessages(link, f.ctx, record, rangeChanged);
    ASSERT_TRUE(r.outcome.ok);
    EXPECT_FALSE(rangeChanged);
    auto mem = f.radio.memory();
    EXPECT_TRUE(std::equal(std::begin(record), std::end(record), mem.begin() + 5160));
    std::vector<std::pair<std::uint32_t, std::uint16_t>> reads;
    for (const auto& c : f.radio.log())
        if (c.code == "Eb") reads.emplace_back(c.value, c.length);
    const std::vector<std::pair<std::uint32_t, std::uint16_t>> expected{
        {5160, 32}, {5192, 32}, {5224, 32}, {5256, 32}, {5288, 16}};
    EXPECT_EQ(reads, expected);
    EXPECT_TRUE(f.leftProgrammingMode());

    f.radio.clearLog();
    for (auto& b : record) b = 'x';
    r = writeEmbeddedMessages(link, f.ctx, record, rangeChanged);
    ASSERT_TRUE(r.outcome.ok);
    EXPECT_EQ(r.outcome.message, MsgId::kRadioWriteDone);
    EXPECT_EQ(f.writes(), expected);
    mem = f.radio.memory();
    EXPECT_EQ(mem[5159], static_cast<std::uint8_t>(5159 * 31 + 7));
    EXPECT_EQ(mem[5160], 'x');
    EXPECT_EQ(mem[5303], 'x');
    EXPECT_EQ(mem[5304], static_cast<std::uint8_t>(5304 * 31 + 7));
    EXPECT_EQ(f.ports.openPorts(), 0);
}

TEST(EmbeddedMessages, PasswordOnlyForFirmwareAfter1_01_10)
{
    struct Case {
        const char* version;
        bool asked;
        bool ok;
    };
    for (Case c : {Case{"1.01.10", false, false}, Case{"1.01.11", true, true}, Case{"1.04.07", true, true}}) {
        SessionFixture f;
        SimIdentity id = f.radio.identity();
        id.firmwareVersion = c.version;
        f.radio.setIdentity(id);
        f.radio.setPassword("5");
        f.prompt.passwords = {"5"};
        CRadioLink link(f.ports, f.ctx.timing);
        std::uint8_t record[144] = {};
        bool rangeChanged = false;
        TransferResult r = readEmbeddedMessages(link, f.ctx, record, rangeChanged);
        EXPECT_EQ(f.prompt.asked > 0, c.asked) << c.version;
        EXPECT_EQ(r.outcome.ok, c.ok) << c.version;
        if (!c.ok) {
            EXPECT_EQ(r.outcome.message, MsgId::kRadioReadFailed) << c.version;
        }
        EXPECT_EQ(f.ports.openPorts(), 0);
    }
}

TEST(FactoryMode, ReadAndWriteTheFactoryBlocks)
{
    SessionFixture f;
    SimRadio::Memory mem = f.radio.memory();
    // Band edges 350 and 390 MHz as frequency words kept low byte first.
    const std::uint8_t low[4] = {0x00, 0x00, 0x00, 0x35}, high[4] = {0x00, 0x00, 0x00, 0x39};
    std::copy(low, low + 4, mem.begin() + 40);
    std::copy(high, high + 4, mem.begin() + 44);
    f.radio.setMemory(mem);
    CRadioLink link(f.ports, f.ctx.timing);
    RadioImage image = pattern(6);
    TransferResult r = factoryRead(link, f.ctx, image);
    ASSERT_TRUE(r.outcome.ok);
    EXPECT_EQ(r.outcome.message, MsgId::kRadioReadDone);
    EXPECT_EQ(r.identity.firmwareVersion, "1.04.07");
    EXPECT_EQ(r.bandWordsRange, "350-390");
    EXPECT_EQ(f.settings.freqRange(), "136-174");
    for (std::uint32_t a : {16u, 31u, 40u, 47u, 72u, 87u, 181u, 212u, 222u, 253u}) EXPECT_EQ(image[a], mem[a]) << a;
    for (std::uint32_t a : {15u, 32u, 48u, 88u, 180u, 213u, 221u, 254u}) EXPECT_EQ(image[a], pattern(6)[a]) << a;
    std::vector<std::pair<std::uint32_t, std::uint16_t>> reads;
    std::vector<std::uint32_t> modes;
    for (const auto& c : f.radio.log()) {
        if (c.code == "Eb") reads.emplace_back(c.value, c.length);
        if (c.code == "Ma") modes.push_back(c.value);
    }
    EXPECT_EQ(reads, (std::vector<std::pair<std::uint32_t, std::uint16_t>>{{16, 16}, {40, 8}, {72, 16}, {181, 32}, {222, 32}}));
    EXPECT_EQ(modes, (std::vector<std::uint32_t>{2, 1}));

    f.radio.clearLog();
    r = factoryWrite(link, f.ctx, image);
    ASSERT_TRUE(r.outcome.ok);
    const std::vector<std::pair<std::uint32_t, std::uint16_t>> expected{{16, 16}, {40, 24}, {72, 16},
                                                                        {181, 32}, {213, 4}, {222, 32}};
    EXPECT_EQ(f.writes(), expected);
    EXPECT_TRUE(f.leftProgrammingMode());

    f.radio.clearLog();
    image[181] = 1;
    r = writeTuneSwitch(link, f.ctx, image);
    EXPECT_EQ(r.outcome.message, MsgId::kTuneDataWritten);
    EXPECT_EQ(f.writes(), (std::vector<std::pair<std::uint32_t, std::uint16_t>>{{181, 1}}));
    EXPECT_EQ(f.radio.memory()[181], 1);
    EXPECT_TRUE(f.leftProgrammingMode());
    EXPECT_EQ(f.ports.openPorts(), 0);
}

TEST(FactoryMode, AFailedBlockChangesNothingAndClosesThePort)
{
    SessionFixture f;
    f.fault("refuse-block:181");
    CRadioLink link(f.ports, f.ctx.timing);
    RadioImage image = pattern(7);
    TransferResult r = factoryRead(link, f.ctx, image);
    EXPECT_EQ(r.outcome.message, MsgId::kRadioReadFailed);
    EXPECT_EQ(r.outcome.args, std::vector<std::string>{"181"});
    EXPECT_EQ(image, pattern(7));
    EXPECT_EQ(r.bandWordsRange, "");
    r = factoryWrite(link, f.ctx, image);
    EXPECT_EQ(r.outcome.message, MsgId::kRadioWriteFailed);
    EXPECT_EQ(r.outcome.args, std::vector<std::string>{"181"});
    r = writeTuneSwitch(link, f.ctx, image);
    EXPECT_EQ(r.outcome.message, MsgId::kRadioWriteFailed);
    EXPECT_TRUE(f.leftProgrammingMode());  // the tune switch always leaves programming mode
    EXPECT_EQ(f.ports.openPorts(), 0);
}
