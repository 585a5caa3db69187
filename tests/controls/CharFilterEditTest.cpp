#include "controls/CharFilterEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct TypingCase {
    const char* allowed;
    const char* start;
    const char* typed;
    const char* expected;
    int refusals;
};

class CharFilterTyping : public ::testing::TestWithParam<TypingCase> {};

TEST_P(CharFilterTyping, KeepsOnlyAllowedCharactersAndBeepsOnTheRest)
{
    const TypingCase& c = GetParam();
    CCharFilterEdit edit(QString::fromLatin1(c.allowed));
    edit.setText(QString::fromLatin1(c.start));
    edit.end(false);
    QSignalSpy refused(&edit, &CCharFilterEdit::inputRefused);
    QTest::keyClicks(&edit, QString::fromLatin1(c.typed));
    EXPECT_EQ(edit.text().toStdString(), c.expected);
    EXPECT_EQ(refused.count(), c.refusals);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CharFilterTyping,
    ::testing::Values(TypingCase{"0123456789", "", "12a3", "123", 1},
                      TypingCase{"0123456789", "", "x", "", 1},
                      TypingCase{"01234567", "", "0789", "07", 2},
                      // A text shown by the program may hold other characters
                      // (the word for off): they do not block typing after them.
                      TypingCase{"0123456789", "Off", "5", "Off5", 0},
                      TypingCase{"", "", "any text", "any text", 0}));

TEST(CharFilterEdit, PasteIsTakenWholeOrNotAtAll)
{
    CCharFilterEdit edit(kDecimalDigits);
    QSignalSpy refused(&edit, &CCharFilterEdit::inputRefused);

    QApplication::clipboard()->setText(QStringLiteral("12a4"));
    edit.paste();
    EXPECT_EQ(edit.text(), QString());
    EXPECT_EQ(refused.count(), 1);

    QApplication::clipboard()->setText(QStringLiteral("1234"));
    edit.paste();
    EXPECT_EQ(edit.text(), QStringLiteral("1234"));
    EXPECT_EQ(refused.count(), 1);
}

TEST(CharFilterEdit, PasteShortcutObeysTheSameRule)
{
    CCharFilterEdit edit(kDecimalDigits);
    edit.setText(QStringLiteral("9"));
    edit.end(false);
    QApplication::clipboard()->setText(QStringLiteral("7b"));
    QTest::keySequence(&edit, QKeySequence::Paste);
    EXPECT_EQ(edit.text(), QStringLiteral("9"));
}

}  // namespace
