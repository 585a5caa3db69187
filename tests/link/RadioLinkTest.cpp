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
        EXPECT_FALSE(ok) << c.fault;
        EXPECT_EQ(s.exchanges, c.exchanges) << c.fault;
        if (!ok) {
            for (auto b : dest) ASSERT_EQ(b, 0x5A) << c.fault << ": destination touched";
        }
    }
}

namespace {

// The reply a radio gives to a read of `length` bytes at `address`.
Proto::Bytes blockReply(std::uint32_t address, std::uint16_t length, std::uint8_t fill)
{
    Proto::Bytes r = {Proto::STX, 'E', 'c'};
    for (int i = 0; i < 4; ++i) r.push_back(static_cast<std::uint8_t>(address >> (8 * i)));
    r.push_back(static_cast<std::uint8_t>(length));
    r.push_back(static_cast<std::uint8_t>(length >> 8));
    r.insert(r.end(), length, fill);
    r.push_back(Proto::checksum(r.data() + 1, r.size() - 1));
    r.push_back(Proto::ETX);
    return r;
}

// A cable on which the handshake is acknowledged and every other request
// is answered by the same bytes.
class FixedReplyTransport : public ITransport {
public:
    explicit FixedReplyTransport(Proto::Bytes reply) : reply_(std::move(reply)) {}
    std::string name() const override { return "fixed"; }
    bool isOpen() const override { return true; }
    bool close() override { return true; }
    bool setLine(int, int, Parity, StopBits) override { return true; }
    void setReadTimeout(unsigned) override {}
    void purge() override { rx_.clear(); }
    std::size_t write(const std::uint8_t* data, std::size_t count) override
    {
        rx_ = count > 1 && data[1] == 'P' ? Proto::ack('P', 'a') : reply_;
        return count;
    }
    std::size_t read(std::uint8_t* data, std::size_t count) override
    {
        const std::size_t n = std::min(count, rx_.size());
        std::copy_n(rx_.begin(), n, data);
        rx_.erase(rx_.begin(), rx_.begin() + static_cast<std::ptrdiff_t>(n));
        return n;
    }
    bool timedOut() const override { return false; }

private:
    Proto::Bytes reply_, rx_;
};

class FixedReplyOpener : public IPortOpener {
public:
    Proto::Bytes reply;
    std::unique_ptr<ITransport> open(const std::string&) override { return std::make_unique<FixedReplyTransport>(reply); }
};

}  // namespace

TEST(RadioLink, BlockReplyMustFrameEchoAndSumRight)
{
    // Each damage keeps the length, and all but the last keep the checksum
    // right, so only the frame, code and address checks can catch them.
    struct Case { const char* what; std::size_t at; std::uint8_t value; bool ok; };
    const Case cases[] = {
        {"as sent", 0, Proto::STX, true},
        {"STX", 0, 0x7F, false},
        {"ETX", 42, 0x04, false},
        {"code letter", 1, 'e', false},
        {"code status", 2, 'b', false},
        {"address low byte", 3, 0x00, false},
        {"address byte 2", 4, 0x02, false},
        {"address byte 4", 6, 0x80, false},
        {"length echo (not checked)", 7, 0x40, true},
        {"checksum", 41, 0x00, false},
    };
    for (const auto& c : cases) {
        FixedReplyOpener ports;
        ports.reply = blockReply(0x0120, 32, 0xA5);
        std::uint8_t old = ports.reply[c.at];
        ports.reply[c.at] = c.value;
        if (c.at > 0 && c.at < 41)  // keep the checksum right for the changed byte
            ports.reply[41] = static_cast<std::uint8_t>(ports.reply[41] + old - c.value);
        EXPECT_EQ(Proto::isBlockReply(ports.reply, 0x0120, 32), c.ok) << c.what;

        CRadioLink link(ports, LinkTiming::fast());
        ASSERT_TRUE(link.connectTo("1"));
        std::uint8_t dest[32];
        std::fill(std::begin(dest), std::end(dest), 0x5A);
        EXPECT_EQ(link.readBlock(0x0120, 32, dest), c.ok) << c.what;
        EXPECT_EQ(dest[0], c.ok ? 0xA5 : 0x5A) << c.what;
    }

    // The reply to another block, whole and with its own checksum right,
    // does not land at the asked address.
    FixedReplyOpener ports;
    ports.reply = blockReply(0x0100, 32, 0xA5);
    CRadioLink link(ports, LinkTiming::fast());
    ASSERT_TRUE(link.connectTo("1"));
    std::uint8_t dest[32] = {};
    EXPECT_FALSE(link.readBlock(0x0120, 32, dest));
    EXPECT_TRUE(link.readBlock(0x0100, 32, dest));
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

TEST(RadioLink, RemembersTheFirstPortRefusedForPermissionUntilTheNextSearch)
{
    SimRadio radio;
    SimPortOpener ports(radio, {"9"}, {"1"});
    ports.denyPorts({"4", "6"});
    CRadioLink link(ports, LinkTiming::fast());
    EXPECT_EQ(link.connect("4"), "9");  // found elsewhere: the refusal is still known
    EXPECT_EQ(link.deniedDevice(), "4");
    link.close();
    ports.denyPorts({});
    EXPECT_EQ(link.connect("9"), "9");
    EXPECT_EQ(link.deniedDevice(), "");
    link.close();
    ports.denyPorts({"sim"});
    EXPECT_FALSE(link.connectTo("sim"));
    EXPECT_EQ(link.deniedDevice(), "sim");
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
