#include "controls/FreqEdit.h"

#include "settings/TextIds.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct FreqCase {
    const char* typed;
    std::uint32_t word;
    std::uint8_t step;
    const char* shown;
    bool clamped;
};

class FreqEntryCases : public ::testing::TestWithParam<FreqCase> {};

TEST_P(FreqEntryCases, ParsesClampsAndPutsOnTheStepGrid)
{
    const FreqCase& c = GetParam();
    CFreqEdit edit;
    edit.setBand(FreqBand::fromMHz(400, 470));
    QSignalSpy messages(&edit, &CFreqEdit::pageMessage);
    edit.setText(QString::fromLatin1(c.typed));
    EXPECT_EQ(edit.word(), c.word);
    EXPECT_EQ(edit.stepCode(), c.step);
    EXPECT_EQ(edit.text().toStdString(), c.shown);
    // The out-of-band message is posted, not shown during the commit.
    EXPECT_EQ(messages.count(), 0);
    QCoreApplication::processEvents();
    ASSERT_EQ(messages.count(), c.clamped ? 1 : 0);
    if (c.clamped) {
        EXPECT_EQ(messages.at(0).at(0).toInt(), MsgId::kFreqOutOfBand);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, FreqEntryCases,
                         ::testing::Values(FreqCase{"400.125", 0x40012500u, 6, "400.12500", false},
                                           FreqCase{"400.1234", 0x40011250u, 6, "400.11250", false},
                                           FreqCase{"400.120", 0x40012000u, 7, "400.12000", false},
                                           FreqCase{"380", 0x40000000u, 6, "400.00000", true},
                                           FreqCase{"999", 0x47000000u, 6, "470.00000", true}));

TEST(FreqEdit, EmptyTextIsNoFrequencyWhenTheFieldMayBeEmpty)
{
    CFreqEdit edit;
    edit.setBand(FreqBand::fromMHz(400, 470));
    edit.setMayBeEmpty(true);
    edit.setWord(0x43012500u);
    edit.clear();
    EXPECT_EQ(edit.word(), 0xFFFFFFFFu);
    EXPECT_EQ(edit.stepCode(), 15);
}

TEST(FreqEdit, LettersAreRefused)
{
    CFreqEdit edit;
    QTest::keyClicks(&edit, QStringLiteral("4a0"));
    EXPECT_EQ(edit.text(), QStringLiteral("40"));
}

}  // namespace
