#include "sim/SimRadio.h"

#include <gtest/gtest.h>

namespace {

constexpr std::size_t kTuneData = 5667;

std::vector<SimReply> send(SimRadio& r, const Proto::Bytes& b)
{
    return r.feed(b.data(), b.size());
}

Proto::Bytes only(SimRadio& r, const Proto::Bytes& b)
{
    auto replies = send(r, b);
    return replies.size() == 1 ? replies[0].bytes : Proto::Bytes{};
}

// A radio whose tune-data words count up from 0x1000, in tuning mode.
void tuningRadio(SimRadio& r)
{
    SimRadio::Memory mem;
    mem.fill(0xFF);
    for (std::size_t k = 0; k < 266; ++k) {
        mem[kTuneData + 2 * k] = static_cast<std::uint8_t>(0x10 + (k >> 8));
        mem[kTuneData + 2 * k + 1] = static_cast<std::uint8_t>(k);
    }
    r.setMemory(mem);
    send(r, Proto::setMode(Proto::Mode::Tuning));
}

std::uint16_t readReg(SimRadio& r, std::uint16_t reg)
{
    Proto::Bytes reply = only(r, Proto::readRegister(reg));
    if (reply.size() != 8) return 0xDEAD;
    return static_cast<std::uint16_t>(reply[5] << 8 | reply[6]);
}

Proto::Bytes writeReg(SimRadio& r, std::uint16_t reg, std::uint16_t value)
{
    const std::uint8_t v[2] = {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
    return only(r, Proto::writeRegister(reg, v, 2));
}

}  // namespace

TEST(SimTuning, TableRegistersReadTheirWordInTheTuneDataArea)
{
    struct Case {
        std::uint16_t reg;
        std::uint16_t value;
    };
    // Offset 230 is word 115 and is shared by two registers; a register
    // outside the table, and the volume register, read as untuned.
    for (Case c : {Case{0x8002, 0x1000}, Case{0x8012, 0x1001}, Case{0x830D, 0x1073}, Case{0x8387, 0x1073},
                   Case{0x8484, 0x10F5}, Case{0x8000, 0x0080}, Case{0x850B, 0x0080}}) {
        SimRadio r;
        tuningRadio(r);
        EXPECT_EQ(readReg(r, c.reg), c.value) << std::hex << c.reg;
        EXPECT_EQ(r.registerValue(c.reg), c.value) << std::hex << c.reg;
    }
}

TEST(SimTuning, AcceptKeepsWrittenValuesInMemoryAndCancelDropsThem)
{
    SimRadio r;
    tuningRadio(r);
    EXPECT_EQ(writeReg(r, 0x8387, 0x0042), Proto::ack('V', 'a'));
    EXPECT_EQ(writeReg(r, 0x850B, 200), Proto::ack('V', 'a'));
    EXPECT_EQ(readReg(r, 0x8387), 0x0042);  // at work at once
    EXPECT_EQ(r.memory()[kTuneData + 231], 0x73);  // not kept yet
    EXPECT_EQ(only(r, Proto::tuningCancel()), Proto::ack('V', 'k'));
    EXPECT_EQ(readReg(r, 0x8387), 0x1073);
    EXPECT_EQ(readReg(r, 0x850B), 0x0080);

    writeReg(r, 0x8387, 0x0042);
    writeReg(r, 0x850B, 200);
    EXPECT_EQ(only(r, Proto::tuningAccept()), Proto::ack('V', 'j'));
    const auto mem = r.memory();
    EXPECT_EQ(mem[kTuneData + 230], 0x00);  // high byte first
    EXPECT_EQ(mem[kTuneData + 231], 0x42);
    EXPECT_EQ(r.keptRegister(0x830D), 0x0042);  // the register sharing the word
    EXPECT_EQ(r.keptRegister(0x850B), 200);
    only(r, Proto::tuningCancel());
    EXPECT_EQ(readReg(r, 0x8387), 0x0042);
}

TEST(SimTuning, ARefusedRegisterWriteChangesNothing)
{
    SimRadio r;
    tuningRadio(r);
    r.addFault(*SimFault::parse("refuse-register:0x8302"));
    EXPECT_EQ(writeReg(r, 0x8302, 7), Proto::ack('V', 'a', 'n'));
    EXPECT_EQ(writeReg(r, 0x8303, 7), Proto::ack('V', 'a'));  // only that register
    only(r, Proto::tuningAccept());
    EXPECT_EQ(readReg(r, 0x8302), 0x1000 + 214 / 2);
    EXPECT_EQ(readReg(r, 0x8303), 7);
}

TEST(SimTuning, TuningCommandsNeedTuningModeAndLeavingSwitchesOutputsOff)
{
    SimRadio r;
    for (auto req : {Proto::readRegister(0x8002), Proto::tuningAccept(), Proto::tuningCancel(), Proto::output('a', 1)})
        EXPECT_TRUE(send(r, req).empty());
    send(r, Proto::setMode(Proto::Mode::Read));
    EXPECT_TRUE(send(r, Proto::readRegister(0x8002)).empty());
    send(r, Proto::setMode(Proto::Mode::Tuning));
    EXPECT_EQ(only(r, Proto::output('b', 1)), (Proto::Bytes{0x02, 'A', 'a', 'O', 'b', 0x03}));
    EXPECT_EQ(r.outputState('b'), 1);
    EXPECT_TRUE(send(r, Proto::readBlock(0, 32)).empty());  // no block transfer while tuning
    send(r, Proto::setMode(Proto::Mode::Leave));
    EXPECT_EQ(r.outputState('b'), 0);
}
