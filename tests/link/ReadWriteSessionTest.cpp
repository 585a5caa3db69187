#include "link/ImageSessions.h"
#include "link/TransferPlans.h"
#include "SessionFixture.h"
#include "settings/TextIds.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>

using namespace std::chrono;

namespace {

RadioImage pattern(std::uint8_t seed)
{
    RadioImage img;
    for (std::size_t i = 0; i < img.size(); ++i) img[i] = static_cast<std::uint8_t>(i * 13 + seed);
    return img;
}

}  // namespace

TEST(ReadSession, ReadsAllBlocksAndReturnsWhatTheRadioSaid)
{
    SessionFixture f;
    SimIdentity id = f.radio.identity();
    id.lowEdge = 40000000;
    id.highEdge = 47000000;
    id.bandFlags = 0x05;
    id.optionByte = 0x21;
    id.firmwareVersion = "1.07.00";
    f.radio.setIdentity(id);
    f.settings.setModelId("OTHER");  // a fresh read may change the model
    f.refresh();
    RadioImage image{};
    TransferResult r = readFromRadio(f.ctx, image);
    ASSERT_TRUE(r.outcome.ok);
    EXPECT_EQ(r.outcome.message, MsgId::kRadioReadDone);
    auto mem = f.radio.memory();
    EXPECT_TRUE(std::equal(image.begin(), image.end(), mem.begin()));
    EXPECT_TRUE(r.identityAccepted);
    EXPECT_EQ(r.band.low, 400);
    EXPECT_EQ(r.band.high, 470);
    EXPECT_EQ(r.band.flags, 0x05);
    EXPECT_EQ(r.port, "1");
    ASSERT_TRUE(r.identified);
    EXPECT_EQ(r.identity.productId, "QAV410");
    EXPECT_EQ(r.identity.modelName, "QAV-410");
    EXPECT_EQ(r.identity.firmwareVersion, "1.07.00");
    EXPECT_EQ(r.identity.optionByte, 0x21);
    // The session leaves the program's settings to its caller.
    EXPECT_EQ(f.settings.modelId(), "OTHER");
    EXPECT_EQ(f.settings.freqRange(), "136-174");
    EXPECT_EQ(f.settings.savedFreqRange(), "");
    EXPECT_EQ(f.progress.size(), 256u);
    EXPECT_EQ(f.progress.front(), 0);
    EXPECT_EQ(f.progress.back(), 100);
    EXPECT_TRUE(f.leftProgrammingMode());
    EXPECT_EQ(f.ports.openPorts(), 0);
    // Read mode, 256 ascending blocks of 32, then leave.
    std::uint32_t next = 0;
    for (const auto& c : f.radio.log())
        if (c.code == "Eb") {
            EXPECT_EQ(c.value, next);
            EXPECT_EQ(c.length, 32);
            next += 32;
        }
    EXPECT_EQ(next, 8192u);
}

TEST(ReadSession, RefusedIdentitiesLeaveEverythingAsItWas)
{
    struct Case {
        const char* what;
        std::string productId, modelName, version, fault;
        int message;
        std::vector<std::string> args;
    };
    const Case cases[] = {
        {"unknown product", "XYZ", "QAV-410", "1.04.07", "", MsgId::kRadioModelMismatch, {}},
        {"same product, other name", "QAV410", "QAV-200", "1.04.07", "", MsgId::kRadioModelMismatch, {}},
        {"newer major version", "QAV410", "QAV-410", "2.01.00", "", MsgId::kRadioRefused, {"2.01"}},
        {"older major version", "QAV410", "QAV-410", "0.99.00", "", MsgId::kRadioRefused, {"0.99"}},
        {"identity unreadable", "QAV410", "QAV-410", "1.04.07", "silence:Bb:3", MsgId::kRadioIdentityUnreadable, {}},
        {"mode unanswered", "QAV410", "QAV-410", "1.04.07", "silence:Ma", MsgId::kNoRadio, {}},
    };
    for (const auto& c : cases) {
        SessionFixture f;
        f.settings.setFirmwareVersion("1.00.00");
        SimIdentity id = f.radio.identity();
        id.productId = c.productId;
        id.modelName = c.modelName;
        id.firmwareVersion = c.version;
        f.radio.setIdentity(id);
        if (!c.fault.empty()) f.fault(c.fault);
        RadioImage image = pattern(1);
        TransferResult r = readFromRadio(f.ctx, image);
        EXPECT_FALSE(r.outcome.ok) << c.what;
        EXPECT_EQ(r.outcome.message, c.message) << c.what;
        EXPECT_EQ(r.outcome.args, c.args) << c.what;
        EXPECT_EQ(image, pattern(1)) << c.what;
        EXPECT_EQ(f.ports.openPorts(), 0) << c.what;
        EXPECT_EQ(r.identityAccepted, c.message == MsgId::kNoRadio) << c.what;  // only the mode went unanswered
        EXPECT_EQ(f.settings.firmwareVersion(), "1.00.00") << c.what;
        EXPECT_EQ(f.settings.freqRange(), "136-174") << c.what;
    }
}

TEST(ReadSession, NoRadioOnAnyPort)
{
    SessionFixture f;
    SimPortOpener nothing(f.radio, {}, {"1", "2"});
    SessionContext ctx{nothing, f.settings, f.prompt, "", LinkTiming::fast(), {}};
    RadioImage image = pattern(2);
    TransferResult r = readFromRadio(ctx, image);
    EXPECT_EQ(r.outcome.message, MsgId::kNoRadio);
    EXPECT_EQ(image, pattern(2));
    EXPECT_EQ(nothing.openPorts(), 0);
}

TEST(ReadSession, APortWithoutPermissionSaysHowToGetIt)
{
    struct Case {
        const char* what;
        std::set<std::string> denied, empty;
        int message;
        std::vector<std::string> args;
    };
    const Case cases[] = {
        {"one scanned port refused", {"3"}, {"1"}, MsgId::kPortPermission, {"3"}},
        {"first of two refused ports named", {"5", "2"}, {}, MsgId::kPortPermission, {"2"}},
        {"ports open but silent", {}, {"1", "2"}, MsgId::kNoRadio, {}},
    };
    for (const auto& c : cases) {
        SessionFixture f;
        SimPortOpener ports(f.radio, {}, c.empty);
        ports.denyPorts(c.denied);
        SessionContext ctx{ports, f.settings, f.prompt, "", LinkTiming::fast(), {}};
        RadioImage image = pattern(3);
        TransferResult r = readFromRadio(ctx, image);
        EXPECT_EQ(r.outcome.message, c.message) << c.what;
        EXPECT_EQ(r.outcome.args, c.args) << c.what;
        EXPECT_EQ(image, pattern(3)) << c.what;
    }
}

TEST(ReadSession, FoundPortBecomesTheConfiguredOne)
{
    SessionFixture f;
    SimPortOpener elsewhere(f.radio, {"7"}, {"1"});
    SessionContext ctx{elsewhere, f.settings, f.prompt, "", LinkTiming::fast(), {}};
    RadioImage image{};
    TransferResult r = readFromRadio(ctx, image);
    ASSERT_TRUE(r.outcome.ok);
    EXPECT_EQ(r.port, "7");
    EXPECT_EQ(ctx.port, "7");  // tried first by the next session on this context
    EXPECT_EQ(f.settings.comPort(), 1);  // the caller makes it the configured one
}

TEST(ReadSession, EveryFaultFailsWithItsMessageAndChangesNothing)
{
    struct Case {
        const char* fault;
        int message;
        std::string address;
    };
    const Case cases[] = {
        {"silence:Eb:10", MsgId::kRadioReadFailed, "320"},
        {"short:Eb:0", MsgId::kRadioReadFailed, "0"},
        {"checksum:Eb:5", MsgId::kRadioReadFailed, "160"},
        {"line-error:Eb:7", MsgId::kRadioReadFailed, "224"},
        {"refuse-block:8160", MsgId::kRadioReadFailed, "8160"},
        {"silent-after:100", MsgId::kRadioReadFailed, "3200"},
        {"ack:Ma", MsgId::kNoRadio, ""},
        {"short:Ma", MsgId::kNoRadio, ""},
        {"line-error:Bb:3", MsgId::kRadioIdentityUnreadable, ""},
        {"checksum:Bb:3", MsgId::kRadioIdentityUnreadable, ""},
    };
    for (const auto& c : cases) {
        SessionFixture f;
        f.fault(c.fault);
        RadioImage image = pattern(3);
        TransferResult r = readFromRadio(f.ctx, image);
        EXPECT_FALSE(r.outcome.ok) << c.fault;
        EXPECT_EQ(r.outcome.message, c.message) << c.fault;
        if (!c.address.empty()) {
            EXPECT_EQ(r.outcome.args, std::vector<std::string>{c.address}) << c.fault;
        }
        EXPECT_EQ(image, pattern(3)) << c.fault;
        EXPECT_EQ(f.ports.openPorts(), 0) << c.fault;
        // A failed read leaves the radio in read mode: no mode 1.
        EXPECT_FALSE(f.leftProgrammingMode()) << c.fault;
    }
}

TEST(ReadSession, FaultMidTransferEndsWithinBoundedTimeOnTheRadioClock)
{
    SessionFixture f(0, LinkTiming::radio());
    f.fault("silent-after:3");
    RadioImage image = pattern(4);
    auto t0 = steady_clock::now();
    TransferResult r = readFromRadio(f.ctx, image);
    auto elapsed = steady_clock::now() - t0;
    EXPECT_EQ(r.outcome.message, MsgId::kRadioReadFailed);
    EXPECT_EQ(r.outcome.args, std::vector<std::string>{"96"});
    // connect, 4 identity items, mode, 3 blocks, then 3 silent exchanges.
    EXPECT_LT(elapsed, milliseconds(50 + 9 * 40 + 3 * 90 + 300));
    EXPECT_EQ(image, pattern(4));
    EXPECT_EQ(f.ports.openPorts(), 0);
}

TEST(ReadSession, PasswordIsAskedUpToThreeTimes)
{
    struct Case {
        std::vector<std::optional<std::string>> answers;
        bool ok;
        int message;
        int informed;
    };
    const Case cases[] = {
        {{"1234"}, true, MsgId::kRadioReadDone, 0},
        {{"1", "2", "1234"}, true, MsgId::kRadioReadDone, 2},
        {{"1", "2", "3"}, false, MsgId::kRadioWrongPassword, 2},
        {{"1", std::nullopt}, false, 0, 1},
    };
    for (const auto& c : cases) {
        SessionFixture f;
        f.radio.setPassword("1234");
        f.prompt.passwords = c.answers;
        RadioImage image = pattern(5);
        TransferResult r = readFromRadio(f.ctx, image);
        EXPECT_EQ(r.outcome.ok, c.ok);
        EXPECT_EQ(r.outcome.message, c.message);
        EXPECT_EQ(static_cast<int>(f.prompt.informed.size()), c.informed);
        EXPECT_EQ(f.ports.openPorts(), 0);
        EXPECT_EQ(image == pattern(5), !c.ok);
        for (const auto& cmd : f.radio.log())
            if (cmd.code == "Wb") {
                EXPECT_EQ(cmd.value, 2u);  // the read's password kind
            }
    }
}

TEST(WriteSession, SendsExactlyTheUserRegionsAndTheStampLast)
{
    for (int access : {0, 52718394, 52806273}) {
        SessionFixture f(access);
        RadioImage image = pattern(9);
        const auto before = f.radio.memory();
        TransferResult r = writeToRadio(f.ctx, image);
        ASSERT_TRUE(r.outcome.ok) << access;
        EXPECT_EQ(r.outcome.message, MsgId::kRadioWriteDone);
        const bool extended = access != 0;
        auto w = f.writes();
        ASSERT_EQ(w.size(), extended ? 158u : 156u);
        EXPECT_EQ(w[0], std::make_pair(120u, std::uint16_t(32)));
        EXPECT_EQ(w[1], std::make_pair(152u, std::uint16_t(29)));
        EXPECT_EQ(w[2], std::make_pair(217u, std::uint16_t(5)));
        EXPECT_EQ(w[3], std::make_pair(254u, std::uint16_t(32)));
        EXPECT_EQ(w[w.size() - 2], extended ? std::make_pair(5150u, std::uint16_t(10))
                                            : std::make_pair(5086u, std::uint16_t(29)));
        EXPECT_EQ(w.back(), std::make_pair(32u, std::uint16_t(8)));
        // The radio's memory: the regions and the stamp changed, nothing else.
        const auto after = f.radio.memory();
        const std::uint32_t end = extended ? 5160 : 5115;
        for (std::uint32_t a = 0; a < 8192; ++a) {
            bool region = (a >= 120 && a <= 180) || (a >= 217 && a <= 221) || (a >= 254 && a < end);
            bool stamp = a >= 32 && a < 40;
            if (region) ASSERT_EQ(after[a], image[a]) << a;
            else if (stamp) ASSERT_EQ(after[a], image[a]) << "image holds the stamp written, at " << a;
            else ASSERT_EQ(after[a], before[a]) << a;
        }
        EXPECT_EQ(image[38], 20);  // the century of the stamp
        // Progress reaches 100 at the last block of region C, before the stamp.
        EXPECT_EQ(f.progress.size(), w.size() - 1);
        EXPECT_EQ(f.progress.back(), 100);
        EXPECT_LT(f.progress[f.progress.size() - 3], 100);
        EXPECT_LE(*std::max_element(f.progress.begin(), f.progress.end()), 100);
        EXPECT_TRUE(f.leftProgrammingMode());
        EXPECT_EQ(f.ports.openPorts(), 0);
    }
}

TEST(WriteSession, RefusalsBeforeTheFirstBlockSendNothing)
{
    struct Case {
        const char* what;
        std::string range, modelName;
        int message;
        std::vector<std::string> args;
    };
    const Case cases[] = {
        {"range below the band", "130-174", "QAV-410", MsgId::kRadioRangeOutside, {"136-174"}},
        {"range above the band", "136-175", "QAV-410", MsgId::kRadioRangeOutside, {"136-174"}},
        {"other model name", "136-174", "QAV-900", MsgId::kRadioModelMismatch, {}},
    };
    for (const auto& c : cases) {
        SessionFixture f;
        f.settings.setFreqRange(c.range);
        f.settings.setModelName(c.modelName);
        f.refresh();
        RadioImage image = pattern(6);
        TransferResult r = writeToRadio(f.ctx, image);
        EXPECT_EQ(r.outcome.message, c.message) << c.what;
        EXPECT_EQ(r.outcome.args, c.args) << c.what;
        EXPECT_TRUE(f.writes().empty()) << c.what;
        EXPECT_EQ(image, pattern(6)) << c.what;
        EXPECT_EQ(f.ports.openPorts(), 0) << c.what;
    }
}

TEST(WriteSession, NarrowerDocumentRangeFitsInTheBand)
{
    SessionFixture f;
    f.settings.setFreqRange("140-170");
    f.refresh();
    RadioImage image = pattern(7);
    EXPECT_TRUE(writeToRadio(f.ctx, image).outcome.ok);
}

TEST(WriteSession, FailedBlocksReportTheirAddress)
{
    struct Case {
        const char* fault;
        std::string address;
        std::size_t writesSeen;
    };
    const Case cases[] = {
        {"refuse-block:32", "32", 156},     // the stamp
        {"refuse-block:120", "120", 1},     // the first block
        {"ack:Ea:2", "217", 3},             // a wrong acknowledgement is not retried
        {"silence:Ea:3", "254", 6},         // three silent exchanges
        {"line-error:Ea:3", "254", 6},
        {"short:Ea:100", "3358", 103},
        {"silent-after:50", "1758", 53},
    };
    for (const auto& c : cases) {
        SessionFixture f;
        RadioImage image = pattern(8);
        TransferResult r = writeToRadio(f.ctx, image);
        (void)r;
        f.radio.clearLog();
        f.radio.clearFaults();
        f.fault(c.fault);
        image = pattern(8);
        r = writeToRadio(f.ctx, image);
        EXPECT_EQ(r.outcome.message, MsgId::kRadioWriteFailed) << c.fault;
        EXPECT_EQ(r.outcome.args, std::vector<std::string>{c.address}) << c.fault;
        EXPECT_EQ(f.writes().size(), c.writesSeen) << c.fault;
        EXPECT_EQ(image, pattern(8)) << c.fault;  // no stamp in the image
        EXPECT_FALSE(f.leftProgrammingMode()) << c.fault;
        EXPECT_EQ(f.ports.openPorts(), 0) << c.fault;
    }
}

TEST(WriteSession, PasswordKindIsOneBeforeAWrite)
{
    SessionFixture f;
    f.radio.setPassword("77");
    f.prompt.passwords = {"77"};
    RadioImage image = pattern(10);
    ASSERT_TRUE(writeToRadio(f.ctx, image).outcome.ok);
    int seen = 0;
    for (const auto& cmd : f.radio.log())
        if (cmd.code == "Wb") {
            EXPECT_EQ(cmd.value, 1u);
            ++seen;
        }
    EXPECT_EQ(seen, 1);
}
