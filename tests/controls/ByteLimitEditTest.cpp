#include "controls/ByteLimitEdit.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

struct CutCase {
    const char16_t* text;
    int limit;
    const char16_t* kept;
};

class ByteLimitCut : public ::testing::TestWithParam<CutCase> {};

TEST_P(ByteLimitCut, NeverSplitsACharacter)
{
    const CutCase& c = GetParam();
    CByteLimitEdit edit(c.limit);
    edit.setText(QString::fromUtf16(c.text));
    EXPECT_EQ(edit.text(), QString::fromUtf16(c.kept));
    EXPECT_EQ(edit.cursorPosition(), edit.text().size());
}

INSTANTIATE_TEST_SUITE_P(Cases, ByteLimitCut,
                         ::testing::Values(CutCase{u"HELLO", 3, u"HEL"},
                                           CutCase{u"AB\u4E2D\u6587", 4, u"AB\u4E2D"},
                                           CutCase{u"AB\u4E2D\u6587", 5, u"AB\u4E2D"},   // half a character is dropped
                                           CutCase{u"\u4E2D", 1, u""},
                                           CutCase{u"OK", 16, u"OK"}));

TEST(ByteLimitEdit, LimitAbove255IsKeptAs255AndTypingStopsAtTheLimit)
{
    CByteLimitEdit edit(1000);
    EXPECT_EQ(edit.byteLimit(), 255);
    edit.setByteLimit(2);
    QTest::keyClicks(&edit, QStringLiteral("abc"));
    EXPECT_EQ(edit.text(), QStringLiteral("ab"));
}

}  // namespace
