#include "app/CoalescingWriter.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// Drives a writer through a script of positions and answers and records
// what would have gone to the radio.
struct Wire {
    CoalescingWriter writer;
    std::vector<RegisterWrite> sent;

    void move(std::uint16_t reg, std::uint16_t value)
    {
        if (auto w = writer.submit({reg, value})) sent.push_back(*w);
    }
    void answer()
    {
        if (auto w = writer.finished()) sent.push_back(*w);
    }
};

}  // namespace

TEST(CoalescingWriter, SendsOneWritePerSettledValue)
{
    Wire wire;
    wire.move(0x8002, 10);  // sent at once
    for (std::uint16_t v = 11; v <= 40; ++v) wire.move(0x8002, v);  // the bar held down
    wire.answer();          // the radio took 10: only 40 follows
    wire.answer();
    EXPECT_EQ(wire.sent, (std::vector<RegisterWrite>{{0x8002, 10}, {0x8002, 40}}));
    EXPECT_TRUE(wire.writer.idle());
}

TEST(CoalescingWriter, EachRegisterKeepsItsLastPosition)
{
    Wire wire;
    wire.move(0x8002, 1);
    wire.move(0x850B, 100);
    wire.move(0x8002, 2);
    wire.move(0x850B, 120);
    wire.move(0x8002, 3);
    wire.answer();
    wire.answer();
    wire.answer();
    // Kept in the order the registers were first kept.
    EXPECT_EQ(wire.sent, (std::vector<RegisterWrite>{{0x8002, 1}, {0x850B, 120}, {0x8002, 3}}));
    EXPECT_TRUE(wire.writer.idle());
}

TEST(CoalescingWriter, FlushHandsOutWhatIsKeptBeforeOtherCommands)
{
    Wire wire;
    wire.move(0x8002, 1);
    wire.move(0x8002, 2);
    wire.move(0x8003, 7);
    const auto flushed = wire.writer.flush();
    EXPECT_EQ(flushed, (std::vector<RegisterWrite>{{0x8002, 2}, {0x8003, 7}}));
    // Three writes are now on their way; answers bring nothing more.
    wire.answer();
    wire.answer();
    EXPECT_FALSE(wire.writer.idle());
    wire.answer();
    EXPECT_TRUE(wire.writer.idle());
    // The next position after that goes out at once.
    wire.move(0x8002, 9);
    EXPECT_EQ(wire.sent.back(), (RegisterWrite{0x8002, 9}));
}

TEST(CoalescingWriter, DropForgetsKeptWrites)
{
    Wire wire;
    wire.move(0x8002, 1);
    wire.move(0x8002, 2);
    wire.writer.drop();
    wire.answer();
    EXPECT_EQ(wire.sent.size(), 1u);
    EXPECT_TRUE(wire.writer.idle());
}
