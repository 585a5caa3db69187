#include "link/RadioLink.h"
#include "sim/SimRadio.h"
#include "sim/SimTransport.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace std::chrono;

namespace {

struct LinkOnSim {
    SimRadio radio;
    SimPortOpener ports{radio};
    CRadioLink link{ports, LinkTiming::fast()};
    int exchanges = 0;
    int fullReplies = 0;

    LinkOnSim()
    {
        link.onExchange = [this](const Proto::Bytes&, std::size_t, bool full) {
            ++exchanges;
            fullReplies += full;
        };
    }
    void fault(const std::string& spec) { radio.addFault(*SimFault::parse(spec)); }
    bool connect() { return link.connectTo("sim"); }
};

}  // namespace

TEST(RadioLink, ModeAnswersAcceptedPasswordRequiredOrNothing)
{
    LinkOnSim s;
    ASSERT_TRUE(s.connect());
    EXPECT_EQ(s.link.setMode(2), 1);
    s.radio.setPassword("1234");
    EXPECT_EQ(s.link.setMode(3), -1);
    EXPECT_FALSE(s.link.sendPassword("9999", Proto::PasswordKind::BeforeWrite));
    EXPECT_TRUE(s.link.sendPassword("1234", Proto::PasswordKind::BeforeWrite));
    EXPECT_EQ(s.radio.currentMode(), 3);
    s.fault("ack:Ma");
    EXPECT_EQ(s.link.setMode(1), 0);
}

TEST(RadioLink, WrongContentFailsWithoutRetryButMissingBytesAreRetriedThrice)
{
    struct Case {
        const char* fault;
        int exchanges;
    };
    const Case cases[] = {
        {"checksum:Eb", 1}, {"ack:Eb", 1}, {"short:Eb", 3}, {"silence:Eb", 3}, {"line-error:Eb", 3},
    };
    for (const auto& c : cases) {
        LinkOnSim s;
        ASSERT_TRUE(s.connect());
        ASSERT_EQ(s.link.setMode(2), 1);
        s.fault(c.fault);
        s.exchanges = 0;
        std::uint8_t dest[32];
        std::fill(std::begin(dest), std::end(dest), 0x5A);
        bool ok = s.link.readBlock(0, 32, dest);
        // The Eb header is the radio's own: a wrong one does not matter.
        EXPECT_EQ(ok, std::string(c.fault) == "ack:Eb") << c.fault;
        EXPECT_EQ(s.exchanges, c.exchanges) << c.fault;
        if (!ok) {
            for (auto b : dest) ASSERT_EQ(b, 0x5A) << c.fault << ": destination touched";
        }
    }
}

TEST(RadioLink, ExchangeRecoversOnTheThirdTry)
{
    for (const char* fault : {"silence:Eb:0:2", "short:Eb:0:2", "line-error:Eb:0:2"}) {
        LinkOnSim s;
        ASSERT_TRUE(s.connect());
        ASSERT_EQ(s.link.setMode(2), 1);
        s.fault(fault);
        s.exchanges = 0;
        std::uint8_t dest[32] = {};
        EXPECT_TRUE(s.link.readBlock(0, 32, dest)) << fault;
        EXPECT_EQ(s.exchanges, 3) << fault;
    }
    LinkOnSim s;
    ASSERT_TRUE(s.connect());
    s.fault("silence:Ma:0:3");
    EXPECT_EQ(s.link.setMode(2), 0);  // three misses end the transaction
}

TEST(RadioLink, BlocksRoundTripThroughTheRadio)
{
    LinkOnSim s;
    ASSERT_TRUE(s.connect());
    ASSERT_EQ(s.link.setMode(3), 1);
    std::uint8_t out[29];
    for (int i = 0; i < 29; ++i) out[i] = static_cast<std::uint8_t>(i * 7 + 0xF0);
    ASSERT_TRUE(s.link.writeBlock(152, 29, out));
    std::uint8_t in[29] = {};
    ASSERT_TRUE(s.link.readBlock(152, 29, in));
    EXPECT_TRUE(std::equal(std::begin(out), std::end(out), std::begin(in)));
    auto mem = s.radio.memory();
    EXPECT_EQ(mem[151], 0xFF);
    EXPECT_EQ(mem[181], 0xFF);
    s.fault("refuse-block:254");
    EXPECT_FALSE(s.link.writeBlock(254, 29, out));
    EXPECT_FALSE(s.link.readBlock(254, 29, in));
}

TEST(RadioLink, IdentityItemsAndVersionComparison)
{
    LinkOnSim s;
    SimIdentity id;
    id.modelName = "QAV-410";
    id.firmwareVersion = "2.00.01";
    id.productId = "QAV410";
    id.optionByte = 0x5A;
    id.bandFlags = 0x81;
    id.lowEdge = 40000000;
    id.highEdge = 47000000;
    s.radio.setIdentity(id);
    ASSERT_TRUE(s.connect());
    IdentityData r;
    ASSERT_TRUE(s.link.readIdentity("1.04.07", r));
    EXPECT_EQ(r.modelName, "QAV-410");
    EXPECT_EQ(r.firmwareVersion, "2.00.01");
    EXPECT_EQ(r.productId, "QAV410");
    EXPECT_EQ(r.optionByte, 0x5A);
    EXPECT_EQ(r.bandBlock, (std::vector<std::uint8_t>{0x81, 0x40, 0x00, 0x00, 0x00, 0x47, 0x00, 0x00, 0x00}));
    EXPECT_EQ(r.versionCompare, 1);

    struct V {
        const char* radio;
        int expected;
    };
    for (V v : {V{"2.00", 1}, V{"0.99", 2}, V{"1.99.99", 0}, V{"1", 0}, V{"", 2}})
        EXPECT_EQ(compareVersions(v.radio, "1.04.07"), v.expected) << v.radio;
}

TEST(RadioLink, IdentityFailsOnlyWhenItemEightFails)
{
    // Items are asked in the order 3, 5, 7, 8: the fourth Bb is item 8.
    struct Case {
        const char* fault;
        bool ok;
    };
    for (Case c : {Case{"ack:Bb:3", false}, Case{"checksum:Bb:3", false}, Case{"silence:Bb:3", false},
                   Case{"ack:Bb:1:1", true}}) {
        LinkOnSim s;
        ASSERT_TRUE(s.connect());
        s.fault(c.fault);
        IdentityData r;
        EXPECT_EQ(s.link.readIdentity("1.04.07", r), c.ok) << c.fault;
        if (c.ok) {  // the band item alone was spoilt
            EXPECT_TRUE(r.haveModelName);
            EXPECT_FALSE(r.haveBand);
            EXPECT_TRUE(r.haveOption);
        }
    }
}

TEST(RadioLink, ConnectTriesTheConfiguredPortTenTimesThenScansInOrder)
{
    SimRadio radio;
    SimPortOpener ports(radio, {"5"}, {"1", "2", "3", "4", "6"});
    CRadioLink link(ports, LinkTiming::fast());
    int exchangesOnFirstPort = 0;
    link.onExchange = [&](const Proto::Bytes&, std::size_t, bool) {
        if (ports.opened().size() == 1) ++exchangesOnFirstPort;
    };
    EXPECT_EQ(link.connect("1"), "5");
    EXPECT_EQ(ports.opened(), (std::vector<std::string>{"1", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(exchangesOnFirstPort, 30);  // ten handshakes of three exchanges
    EXPECT_TRUE(link.isOpen());
    EXPECT_EQ(link.portName(), "5");
}

TEST(RadioLink, ConnectReportsNothingWhenNoPortAnswers)
{
    SimRadio radio;
    SimPortOpener ports(radio, {}, {"3"});
    CRadioLink link(ports, LinkTiming::fast());
    EXPECT_EQ(link.connect("3"), "");
    EXPECT_FALSE(link.isOpen());
    EXPECT_EQ(ports.opened().size(), 17u);
}

TEST(RadioLink, AWrongHandshakeReplyEndsTheTenTries)
{
    LinkOnSim s;
    s.fault("ack:Pa");
    EXPECT_FALSE(s.connect());
    EXPECT_EQ(s.exchanges, 1);
}

TEST(RadioLink, RegistersTuningAndOutput)
{
    LinkOnSim s;
    s.radio.setRegister(0x8302, 0x01A7);
    ASSERT_TRUE(s.connect());
    std::uint8_t v[2];
    ASSERT_EQ(s.link.readRegister(0x8302, v, 2), 1);
    EXPECT_EQ(v[0], 0x01);
    EXPECT_EQ(v[1], 0xA7);
    const std::uint8_t nv[2] = {0x00, 0x42};
    ASSERT_TRUE(s.link.writeRegister(0x8302, nv, 2));
    EXPECT_EQ(s.radio.registerValue(0x8302), 0x42);
    ASSERT_TRUE(s.link.tuningMode(false));  // Vk drops it
    EXPECT_EQ(s.radio.registerValue(0x8302), 0x01A7);
    ASSERT_TRUE(s.link.writeRegister(0x8302, nv, 2));
    ASSERT_TRUE(s.link.tuningMode(true));  // Vj keeps it
    EXPECT_EQ(s.radio.keptRegister(0x8302), 0x42);
    ASSERT_TRUE(s.link.output('b', 1));
    EXPECT_EQ(s.radio.outputState('b'), 1);

    s.fault("ack:Vb");
    EXPECT_EQ(s.link.readRegister(0x8302, v, 2), 0);
    s.radio.clearFaults();
    s.fault("silence:Ma");
    EXPECT_EQ(s.link.readRegister(0x8302, v, 2), -1);
}

TEST(RadioLink, ProtocolTimingOnTheRealClock)
{
    SimRadio radio;
    SimPortOpener ports(radio);
    CRadioLink link(ports, LinkTiming::radio());
    ASSERT_TRUE(link.connectTo("sim"));
    ASSERT_EQ(link.setMode(3), 1);
    std::uint8_t data[32] = {};
    auto t0 = steady_clock::now();
    ASSERT_TRUE(link.writeBlock(254, 32, data));
    auto write = steady_clock::now() - t0;
    EXPECT_GE(write, milliseconds(40));  // 10 ms before the transaction, 30 ms after the request
    EXPECT_LT(write, milliseconds(80));

    radio.addFault(*SimFault::parse("silence:Eb"));
    t0 = steady_clock::now();
    EXPECT_FALSE(link.readBlock(254, 32, data));
    auto silent = steady_clock::now() - t0;
    EXPECT_GE(silent, milliseconds(3 * 80));  // three exchanges of 30 ms sleep and 50 ms time-out
    EXPECT_LT(silent, milliseconds(3 * 80 + 150));
}
