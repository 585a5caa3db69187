#include "controls/RangeValueEdit.h"

#include <gtest/gtest.h>

namespace {

RangeParams params(int first, int step, int last, int divisor, int value0, int valueStep, int decimals)
{
    return RangeParams{first, step, last, divisor, value0, valueStep, decimals};
}

struct EntryCase {
    const char* typed;
    int stored;
    const char* shown;
};

class RangeEntry : public ::testing::TestWithParam<EntryCase> {};

// minimum 10, step 5, maximum 30; stored values 1, 2, ... for 10, 15, ...
TEST_P(RangeEntry, RoundsToStepClampsAndTurnsZeroIntoOff)
{
    const EntryCase& c = GetParam();
    CRangeValueEdit edit;
    edit.setOffWord(QStringLiteral("Off"));
    edit.setParams(params(10, 5, 30, 1, 1, 1, 0));
    edit.setText(QString::fromLatin1(c.typed));
    edit.commitText();
    EXPECT_EQ(edit.value(), c.stored);
    EXPECT_EQ(edit.text().toStdString(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Cases, RangeEntry,
                         ::testing::Values(EntryCase{"37", 5, "30"},    // 35, clamped to 30
                                           EntryCase{"12", 1, "10"},    // lowered to 10
                                           EntryCase{"20", 3, "20"},
                                           EntryCase{"3", 0, "Off"},    // lowered to 0: off
                                           EntryCase{"7", 1, "10"},     // 5, clamped up to 10
                                           EntryCase{"0", 0, "Off"},
                                           EntryCase{"", 0, "Off"},
                                           EntryCase{"Off", 0, "Off"},
                                           EntryCase{"99999999999", 5, "30"}));

TEST(RangeValueEdit, ShowsStoredValuesInShownUnits)
{
    CRangeValueEdit edit;
    edit.setOffWord(QStringLiteral("Aus"));
    edit.setParams(params(10, 5, 30, 1, 1, 1, 0));
    edit.setValue(0);
    EXPECT_EQ(edit.text(), QStringLiteral("Aus"));
    edit.setValue(3);
    EXPECT_EQ(edit.text(), QStringLiteral("20"));
}

TEST(RangeValueEdit, ValueWithDecimalsSurvivesAnUntouchedCommit)
{
    // 0.5 .. 5.0 in steps of 0.5, stored 1 .. 10.
    CRangeValueEdit edit;
    edit.setParams(params(5, 5, 50, 10, 1, 1, 1));
    edit.setValue(4);
    EXPECT_EQ(edit.text(), QStringLiteral("2.0"));
    edit.commitText();
    EXPECT_EQ(edit.value(), 4);
    EXPECT_EQ(edit.text(), QStringLiteral("2.0"));
}

TEST(RangeValueEdit, BrokenParametersDoNotDivideByZero)
{
    CRangeValueEdit edit;
    edit.setParams(params(0, 0, 10, 0, 0, 0, 2));
    edit.setValue(7);
    edit.setText(QStringLiteral("3"));
    edit.commitText();
    EXPECT_GE(edit.value(), 0);
}

}  // namespace
