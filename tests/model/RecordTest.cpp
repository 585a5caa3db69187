#include "model/Bcd.h"
#include "model/Record.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(Record, StartsFilledAndKeepsItsSize)
{
    Record r(24);
    EXPECT_EQ(r.size(), 24u);
    EXPECT_EQ(r.u8(23), 0xFF);
    Record z(4, 0);
    EXPECT_EQ(z.u32le(0), 0u);
}

TEST(Record, EndianAccessorsAgreeWithTheBytes)
{
    Record r(8, 0);
    r.setU16be(0, 0x1234);
    r.setU16le(2, 0x1234);
    EXPECT_EQ(r.u8(0), 0x12);
    EXPECT_EQ(r.u8(2), 0x34);
    EXPECT_EQ(r.u16be(0), 0x1234);
    EXPECT_EQ(r.u16le(2), 0x1234);
    r.setU32be(4, 0x40012500);
    EXPECT_EQ(r.u8(4), 0x40);
    EXPECT_EQ(r.u8(7), 0x00);
    EXPECT_EQ(r.u32le(4), 0x00250140u);
    r.swap32(4);
    EXPECT_EQ(r.u32(4), 0x40012500u);
    r.swap16(0);
    EXPECT_EQ(r.u16(0), 0x1234);
}

TEST(Record, BitRangesTouchOnlyTheirBits)
{
    Record r(1, 0xFF);
    r.setBits(0, 6, 2, 1);
    EXPECT_EQ(r.u8(0), 0x7F);
    EXPECT_EQ(r.bits(0, 6, 2), 1u);
    r.setBit(0, 0, false);
    EXPECT_EQ(r.u8(0), 0x7E);
    EXPECT_FALSE(r.bit(0, 0));
    r.setBits(0, 0, 4, 0x1F);  // extra high bits of the value are dropped
    EXPECT_EQ(r.u8(0), 0x7F);
}

TEST(Record, OutOfRangeAccessThrows)
{
    Record r(4);
    EXPECT_THROW(r.u8(4), std::out_of_range);
    EXPECT_THROW(r.u16le(3), std::out_of_range);
    EXPECT_THROW(r.u32be(1), std::out_of_range);
    EXPECT_THROW(r.bits(0, 5, 4), std::out_of_range);
    EXPECT_THROW(r.setText(2, 3, "ab"), std::out_of_range);
    EXPECT_THROW(r.bytes(static_cast<Offset>(-1), 2), std::out_of_range);
    EXPECT_NO_THROW(r.bytes(4, 0));
}

TEST(Record, TextIsPaddedAndTrimmed)
{
    Record r(8, 0xFF);
    r.setText(0, 6, "RADIO-LONG");
    EXPECT_EQ(r.text(0, 6), "RADIO-");
    r.setText(0, 6, "AB");
    EXPECT_EQ(r.u8(5), ' ');
    EXPECT_EQ(r.text(0, 6), "AB");
    EXPECT_EQ(r.u8(6), 0xFF);
    r.setText(0, 4, "X", '\0');
    EXPECT_EQ(r.text(0, 8), "X");
}

TEST(Bcd, WordConversions)
{
    struct Case { long value; std::uint32_t word; };
    for (const Case& c : {Case{40012500, 0x40012500u}, Case{1280000, 0x01280000u}, Case{3885000, 0x03885000u},
                          Case{0, 0u}, Case{123456789, 0x23456789u}}) {
        EXPECT_EQ(Bcd::fromInt(c.value), c.word) << c.value;
    }
    EXPECT_EQ(Bcd::toInt(0x40012500u), 40012500);
    EXPECT_EQ(Bcd::toInt(0x00000125u), 125);
    EXPECT_EQ(Bcd::toInt(0xFFFFFFFFu), 0);
    EXPECT_EQ(Bcd::toInt(0x12A4u), 12);
    EXPECT_TRUE(Bcd::isValid(0x40012500u));
    EXPECT_FALSE(Bcd::isValid(0xFFFFFFFFu));
    EXPECT_EQ(Bcd::fromInt(-5), 0u);
}

TEST(Record, BcdDigitsInByteOrder)
{
    Record r(4, 0xFF);
    r.setBcd(0, 6, 123456);
    EXPECT_EQ(r.u8(0), 0x12);
    EXPECT_EQ(r.u8(2), 0x56);
    EXPECT_EQ(r.u8(3), 0xFF);
    EXPECT_EQ(r.bcd(0, 6), 123456);
    r.setBcd(0, 3, 7);
    EXPECT_EQ(r.u8(0), 0x00);
    EXPECT_EQ(r.u8(1), 0x74);  // odd count leaves the trailing low nibble alone
    EXPECT_EQ(r.bcd(0, 3), 7);
}

TEST(Record, AssignmentKeepsTheBufferAndRefusesAnotherSize)
{
    Record a(4, 0x11);
    const std::uint8_t* before = a.data();
    a = Record(4, 0x22);
    EXPECT_EQ(a.data(), before);
    EXPECT_EQ(a.u8(3), 0x22);
    EXPECT_THROW(a = Record(5), std::length_error);
    EXPECT_EQ(a.size(), 4u);
}
