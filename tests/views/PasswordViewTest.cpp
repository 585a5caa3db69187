#include "PasswordFixture.h"

#include "controls/CharFilterEdit.h"
#include "controls/ControlId.h"
#include "model/MiscRecord.h"
#include "model/PasswordRecord.h"
#include "views/DlgPasswordEntry.h"
#include "views/EditorFactory.h"
#include "views/ViewIds.h"
#include "views/ViewPassword.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes fieldBytes(const Record& r, Offset off)
{
    const auto b = r.bytes(off, PasswordField::kLength);
    return Bytes(b.begin(), b.end());
}


struct FieldCase {
    const char* name;
    Bytes bytes;
    const char* shown;
};

void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.name; }

class PasswordFields : public ::testing::TestWithParam<FieldCase> {};

// Whatever a radio or a file put into a password field comes back unchanged
// when the view is opened and saved without an edit.
TEST_P(PasswordFields, AreShownAndSavedBackUnchanged)
{
    const FieldCase& c = GetParam();
    const Offset fields[] = {PasswordField::PowerOn, PasswordField::Write, PasswordField::Read};
    const int edits[] = {6353, 6355, 6357};
    for (int i = 0; i < 3; ++i) {
        PasswordFixture f;
        f.record().setBytes(fields[i], c.bytes);
        f.view->load();
        EXPECT_EQ(f.edit(edits[i])->text().toStdString(), QString::fromLatin1(c.shown).toStdString()) << edits[i];
        f.view->save();
        EXPECT_EQ(fieldBytes(f.record(), fields[i]), c.bytes) << edits[i];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Contents, PasswordFields,
    ::testing::Values(FieldCase{"EightDigits", {'1', '2', '3', '4', '5', '6', '7', '8'}, "12345678"},
                      FieldCase{"Empty", Bytes(8, 0), ""},
                      FieldCase{"LeadingZeros", {'0', '0', '4', '2', 0, 0, 0, 0}, "0042"},
                      FieldCase{"ErasedMemory", Bytes(8, 0xFF), "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF"}),
    [](const auto& info) { return std::string(info.param.name); });

struct EntryCase {
    const char* name;
    std::optional<QString> entered;   // nullopt: Cancel
    Bytes stored;
    const char* loggedOld;  // what the change log is told the field showed
    const char* loggedNew;
};

void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.name; }

class WritePasswordEntry : public ::testing::TestWithParam<EntryCase> {};

// The "..." button is the only way to the write password; OK with nothing
// entered clears it, Cancel keeps it, and either way the other two edits
// are saved and all three shown again.
TEST_P(WritePasswordEntry, SetsClearsOrKeepsTheWritePassword)
{
    const EntryCase& c = GetParam();
    PasswordFixture f;
    setPasswordText(f.record(), PasswordField::Write, "555");
    f.view->load();
    f.edit(6353)->setText(QStringLiteral("111"));
    f.edit(6357)->setText(QStringLiteral("333"));
    f.answer(c.entered);

    EXPECT_EQ(fieldBytes(f.record(), PasswordField::Write), c.stored);
    EXPECT_EQ(passwordText(f.record(), PasswordField::PowerOn), "111");
    EXPECT_EQ(passwordText(f.record(), PasswordField::Read), "333");
    EXPECT_EQ(f.edit(6355)->text().toStdString(), passwordText(f.record(), PasswordField::Write));
    ASSERT_FALSE(f.ctx.recordNotices.empty());
    EXPECT_EQ(f.ctx.recordNotices.back().controlId, 6355);
    EXPECT_EQ(f.ctx.recordNotices.back().label, "Radio Write/Tune/Dealer Data Password ");
    EXPECT_EQ(f.ctx.recordNotices.back().text3, c.loggedOld);
    EXPECT_EQ(f.ctx.recordNotices.back().text4, c.loggedNew);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, WritePasswordEntry,
    ::testing::Values(EntryCase{"Cancel", std::nullopt, {'5', '5', '5', 0, 0, 0, 0, 0}, "", ""},
                      EntryCase{"EmptyClears", QString(), Bytes(8, 0), "555", ""},
                      EntryCase{"EightDigits", QStringLiteral("87654321"), {'8', '7', '6', '5', '4', '3', '2', '1'},
                                "555", "87654321"},
                      EntryCase{"LongerIsCut", QStringLiteral("1234567890"), {'1', '2', '3', '4', '5', '6', '7', '8'},
                                "555", "12345678"}),
    [](const auto& info) { return std::string(info.param.name); });

struct DialogCase {
    const char* name;
    int limit;
    const char* typed;
    bool accepted;
    const char* password;
};

void PrintTo(const DialogCase& c, std::ostream* os) { *os << c.name; }

class PasswordDialog : public ::testing::TestWithParam<DialogCase> {};

TEST_P(PasswordDialog, TakesDigitsUpToItsLimit)
{
    const DialogCase& c = GetParam();
    FakeLanguage lang;
    lang.captions[6360] = "Enter password";
    CDlgPasswordEntry dialog(lang, c.limit);
    auto* label = findControlAs<QLabel>(&dialog, 6360);
    ASSERT_TRUE(label);
    EXPECT_EQ(label->text(), QStringLiteral("Enter password"));
    ASSERT_EQ(findControl(&dialog, 6361), dialog.edit());

    QTest::keyClicks(dialog.edit(), QString::fromLatin1(c.typed));
    dialog.accept();
    EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted);
    EXPECT_EQ(dialog.password().toStdString(), c.password);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, PasswordDialog,
    ::testing::Values(DialogCase{"LettersAreDropped", 8, "12ab34", true, "1234"},
                      DialogCase{"EmptyIsAnAnswer", 8, "", true, ""},
                      DialogCase{"EightAtMost", 8, "1234567890", true, "12345678"},
                      DialogCase{"FiveWantsFive", 5, "1234", false, ""},
                      DialogCase{"FiveAtMost", 5, "123456", true, "12345"}),
    [](const auto& info) { return std::string(info.param.name); });

// Closing an editor writes back what its controls hold.
struct CloseCase {
    const char* name;
    std::function<void(FakeEditorContext&)> setUp;
    std::function<void(CCustomFormView&)> edit;
    std::function<bool(FakeEditorContext&)> stored;
};

void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }

class ClosingKeepsEdits : public ::testing::TestWithParam<CloseCase> {};

TEST_P(ClosingKeepsEdits, TheRecordHoldsTheEditAfterClose)
{
    const CloseCase& c = GetParam();
    FakeEditorContext ctx;
    c.setUp(ctx);
    const int command = ctx.sections.count(Section::Misc) ? ViewCommand::kMisc : ViewCommand::kPassword;
    std::unique_ptr<CCustomFormView> view(createEditorView(command, ctx));
    ASSERT_TRUE(view);
    c.edit(*view);
    EXPECT_FALSE(c.stored(ctx)) << "nothing is written before the close";
    view.reset();
    EXPECT_TRUE(c.stored(ctx));
}

INSTANTIATE_TEST_SUITE_P(
    Editors, ClosingKeepsEdits,
    ::testing::Values(
        CloseCase{"Password",
                  [](FakeEditorContext& ctx) { ctx.addSection(Section::Password, PasswordField::kSize, 1, 1, true); },
                  [](CCustomFormView& v) { findControlAs<CCharFilterEdit>(&v, 6357)->setText(QStringLiteral("2468")); },
                  [](FakeEditorContext& ctx) {
                      return passwordText(*ctx.section(Section::Password)->at(0), PasswordField::Read) == "2468";
                  }},
        CloseCase{"Misc",
                  [](FakeEditorContext& ctx) {
                      ctx.lang.captions[1404] = "0.Open;1:1:9:1:1:1:0";
                      ctx.addSection(Section::Misc, MiscField::kSize, 1, 1, true).at(0)->setU8(MiscField::CarrierSquelch, 0);
                  },
                  [](CCustomFormView& v) { findControlAs<QComboBox>(&v, 1404)->setCurrentIndex(7); },
                  [](FakeEditorContext& ctx) { return ctx.section(Section::Misc)->at(0)->u8(MiscField::CarrierSquelch) == 7; }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
