#include "model/PttIdValues.h"

#include <gtest/gtest.h>

namespace {

TEST(PttIdValues, TypedPrimaryIdsBecomeSendable)
{
    struct Case {
        const char* typed;
        const char* shown;
    };
    for (Case c : {Case{"FFFF", "DEEE"}, Case{"ffff", "DEEE"}, Case{"0", "0001"}, Case{"", "0001"},
                   Case{"E123", "D123"}, Case{"1F2F", "1E2E"}, Case{"FF", "00EE"}, Case{"abcd", "ABCD"},
                   Case{"0001", "0001"}, Case{"DEEE", "DEEE"}}) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(PttIdValues::primaryIdText(PttIdValues::primaryIdOfText(c.typed)), c.shown);
    }
}

TEST(PttIdValues, StoredPrimaryIdsAreShownSendable)
{
    struct Case {
        std::uint16_t stored;
        std::uint16_t shown;
    };
    for (Case c : {Case{0xFFFF, 0xDEEE}, Case{0x0000, 0x0001}, Case{0xDEEF, 0xDEEE}, Case{0x1F00, 0x1E00},
                   Case{0x1234, 0x1234}}) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(PttIdValues::sendablePrimaryId(c.stored), c.shown);
    }
}

TEST(PttIdValues, GroupIdsKeepThreeDigitsWithoutF)
{
    struct Case {
        const char* typed;
        const char* shown;
    };
    for (Case c : {Case{"", "001"}, Case{"FFF", "EEE"}, Case{"1234", "234"}, Case{"a", "00A"}, Case{"0", "000"}}) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(PttIdValues::groupIdText(c.typed), c.shown);
    }
}

}  // namespace
