// A typed PTT-ID primary id is stored within what the radio accepts, never 0.
#include <gtest/gtest.h>

#include "model/PrimaryIdText.h"

TEST(PrimaryId, TypedIdsAreLimitedDigitByDigit)
{
    const std::pair<const char*, std::uint16_t> cases[] = {
        {"E123", 0xD123}, {"", 0x0001}, {"0", 0x0001}, {"0000", 0x0001}, {"12", 0x0012},
        {"abcd", 0xABCD}, {"DEEE", 0xDEEE}, {"EEEE", 0xDEEE}, {"1e2e", 0x1E2E},
    };
    for (const auto& [typed, stored] : cases) EXPECT_EQ(enteredPrimaryId(typed), stored) << typed;
}
