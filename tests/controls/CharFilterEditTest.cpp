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
    bool selectAll = false;  // the typing replaces the whole text
};

class CharFilterTyping : public ::testing::TestWithParam<TypingCase> {};

TEST_P(CharFilterTyping, KeepsOnlyAllowedCharactersAndBeepsOnTheRest)
{
    const TypingCase& c = GetParam();
    CCharFilterEdit edit(QString::fromLatin1(c.allowed));
    edit.setText(QString::fromLatin1(c.start));
    edit.end(false);
    if (c.selectAll) edit.selectAll();
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
                      TypingCase{"", "", "any text", "any text", 0},
                      // A character the text already holds is no licence to type it.
                      TypingCase{"0123456789", "Off", "f", "Off", 1, true},
                      TypingCase{"0123456789", "Off", "f", "Off", 1},
                      TypingCase{"0123456789", "Off", "12", "12", 0, true}));

TEST(CharFilterEdit, InsertedTextIsWhatLiesBeforeTheCursorAndWasNotThere)
{
    struct Case {
        const char* before;
        const char* after;
        int cursor;
        const char* inserted;
    };
    for (const Case& c : {Case{"Off", "f", 1, "f"}, Case{"Off", "Off5", 4, "5"}, Case{"Off", "Of", 2, ""},
                          Case{"12", "1ab2", 3, "ab"}, Case{"aa", "aaa", 3, "a"}, Case{"aa", "aaa", 1, "a"},
                          Case{"", "x", 9, "x"}}) {
        EXPECT_EQ(CCharFilterEdit::insertedText(c.before, c.after, c.cursor).toStdString(), c.inserted)
            << c.before << " -> " << c.after << " @" << c.cursor;
    }
}

TEST(CharFilterEdit, PasteOverASelectionChecksEveryPastedCharacter)
{
    CCharFilterEdit edit(kDecimalDigits);
    edit.setText(QStringLiteral("Off"));
    edit.selectAll();
    QApplication::clipboard()->setText(QStringLiteral("fO"));
    edit.paste();
    EXPECT_EQ(edit.text(), QStringLiteral("Off"));
}

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
