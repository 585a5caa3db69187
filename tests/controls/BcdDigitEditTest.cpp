#include "controls/BcdDigitEdit.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(BcdDigitEdit, ShortEntryIsPaddedOnTheLeft)
{
    CBcdDigitEdit edit;
    edit.setText(QStringLiteral("1234"));
    EXPECT_EQ(edit.bytes(), (Bytes{0x00, 0x00, 0x00, 0x00, 0x12, 0x34}));
    EXPECT_EQ(edit.text(), QStringLiteral("000000001234"));
}

TEST(BcdDigitEdit, ShowsEachByteAsTwoCharactersAndWritesThemBackUnchanged)
{
    CBcdDigitEdit edit(nullptr, 4);
    edit.setBytes({0x98, 0xFF});
    EXPECT_EQ(edit.text(), QStringLiteral("98FF"));
    EXPECT_EQ(edit.bytes(), (Bytes{0x98, 0xFF}));
}

TEST(BcdDigitEdit, DigitCountLimitsTheText)
{
    CBcdDigitEdit edit(nullptr, 6);
    EXPECT_EQ(edit.byteCount(), 3);
    EXPECT_EQ(edit.maxLength(), 6);
}

}  // namespace
