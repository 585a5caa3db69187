// Digit strings packed two digits per byte.
#include <gtest/gtest.h>

#include <array>

#include "model/DigitBcd.h"

namespace {

TEST(DigitBcd, TextAndPack)
{
    struct Case {
        const char* typed;
        std::array<std::uint8_t, 6> bytes;
        const char* shown;
    };
    const Case cases[] = {
        {"123456789012", {0x12, 0x34, 0x56, 0x78, 0x90, 0x12}, "123456789012"},
        {"1234", {0, 0, 0, 0, 0x12, 0x34}, "000000001234"},
        {"", {0, 0, 0, 0, 0, 0}, "000000000000"},
        {"FFFFFFFFFFFF", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "FFFFFFFFFFFF"},
        {"1234567890123", {0x12, 0x34, 0x56, 0x78, 0x90, 0x12}, "123456789012"},
        {"12-4", {0, 0, 0, 0, 0x12, 0x04}, "000000001204"},
    };
    for (const Case& c : cases) {
        std::array<std::uint8_t, 6> out{};
        DigitBcd::pack(c.typed, out);
        EXPECT_EQ(out, c.bytes) << c.typed;
        EXPECT_EQ(DigitBcd::text(out), c.shown) << c.typed;
    }
}

}  // namespace
