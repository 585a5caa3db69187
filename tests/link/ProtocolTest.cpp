#include "link/Protocol.h"

#include <gtest/gtest.h>

using Proto::Bytes;

TEST(Protocol, ChecksumMakesTheCoveredBytesSumToZero)
{
    const std::uint8_t abc[] = {'a', 'b', 'c'};
    EXPECT_EQ(Proto::checksum(abc, 3), 0xDA);
    EXPECT_EQ(Proto::checksum(abc, 0), 0x00);
}

TEST(Protocol, RequestsAreByteForByte)
{
    struct Case {
        const char* name;
        Bytes actual;
        Bytes expected;
    };
    const std::uint8_t block[3] = {0x11, 0x22, 0x33};
    const std::uint8_t reg[2] = {0x01, 0x02};
    const Case cases[] = {
        {"Pa", Proto::handshake(), {0x02, 'P', 'a', 0x03}},
        {"Ma 3", Proto::setMode(3), {0x02, 'M', 'a', 0x03, 0x00, 0x03}},
        {"Ma 0x0106", Proto::setMode(0x0106), {0x02, 'M', 'a', 0x06, 0x01, 0x03}},
        {"Bb 8", Proto::identity(8), {0x02, 'B', 'b', 0x08, 0x00, 0x03}},
        {"Eb", Proto::readBlock(0x00012345, 32), {0x02, 'E', 'b', 0x45, 0x23, 0x01, 0x00, 0x20, 0x00, 0x03}},
        {"Ea", Proto::writeBlock(0x1000, block, 3),
         {0x02, 'E', 'a', 0x08, 0x00, 0x00, 0x10, 0x00, 0x00, 0x11, 0x22, 0x33,
          static_cast<std::uint8_t>(0x100 - ((('E' + 'a' + 8 + 0x10 + 0x11 + 0x22 + 0x33)) & 0xFF)), 0x03}},
        {"Vb", Proto::readRegister(0x8302), {0x02, 'V', 'b', 0x02, 0x83, 0x03}},
        {"Va", Proto::writeRegister(0x850B, reg, 2), {0x02, 'V', 'a', 0x0B, 0x85, 0x01, 0x02, 0x03}},
        {"Vj", Proto::tuningAccept(), {0x02, 'V', 'j', 0x00, 0x00, 0x03}},
        {"Vk", Proto::tuningCancel(), {0x02, 'V', 'k', 0x03}},
        {"O", Proto::output('b', 1), {0x02, 'O', 'b', 0x01, 0x00, 0x03}},
        {"ack", Proto::ack('M', 'a', 'c'), {0x02, 'A', 'c', 'M', 'a', 0x03}},
    };
    for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected) << c.name;
}

TEST(Protocol, PasswordIsPaddedWithZerosAndCutToEightDigits)
{
    Bytes p = Proto::password("1234", Proto::PasswordKind::BeforeRead);
    ASSERT_EQ(p.size(), 17u);
    EXPECT_EQ(Bytes(p.begin(), p.begin() + 7), (Bytes{0x02, 'W', 'b', 0x0B, 0x00, 0x02, 0x00}));
    EXPECT_EQ(Bytes(p.begin() + 7, p.begin() + 15), (Bytes{'1', '2', '3', '4', 0, 0, 0, 0}));
    EXPECT_EQ(Proto::checksum(p.data() + 1, 14), p[15]);
    EXPECT_EQ(p[16], 0x03);

    Bytes longer = Proto::password("123456789", Proto::PasswordKind::BeforeWrite);
    ASSERT_EQ(longer.size(), 17u);
    EXPECT_EQ(longer[5], 0x01);
    EXPECT_EQ(longer[14], '8');
}

TEST(Protocol, WriteBlockCountCoversAddressDataAndChecksum)
{
    std::uint8_t data[32] = {};
    Bytes p = Proto::writeBlock(254, data, 32);
    ASSERT_EQ(p.size(), 43u);
    EXPECT_EQ(p[3] | p[4] << 8, 37);
    unsigned sum = 0;
    for (std::size_t i = 1; i < p.size() - 1; ++i) sum += p[i];
    EXPECT_EQ(sum & 0xFF, 0u);
}

TEST(Protocol, WireTimeIsTwelveBitsPerByteAt38400)
{
    EXPECT_EQ(Proto::wireMicros(32), 10000);
    EXPECT_EQ(Proto::wireMicros(53), 16562);
}
