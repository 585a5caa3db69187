#include "FakeEditorContext.h"
#include "PasswordFixture.h"

#include "controls/BoundField.h"
#include "controls/CharFilterEdit.h"
#include "controls/ControlId.h"
#include "model/KeysRecord.h"
#include "model/MiscRecord.h"
#include "model/PasswordRecord.h"
#include "model/RadioInfoRecord.h"
#include "model/SignallingRecords.h"
#include "views/DlgPasswordEntry.h"
#include "views/EditorFactory.h"
#include "views/EditorRegistry.h"
#include "views/ViewIds.h"
#include "views/ViewMis.h"
#include "views/ViewPassword.h"
#include "views/ViewRadio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A control of the misc form with the bits its field covers.
struct MiscBinding {
    FormControl control;
    Offset offset;
    unsigned bitLo;
    unsigned bitCount;
};

std::vector<MiscBinding> miscBindings()
{
    std::vector<MiscBinding> out;
    const FormTable table = CViewMis::controls();
    for (const FormControl& c : table.controls) {
        if (!c.field) continue;
        const BoundField* f = findBoundField(table.record, c.field);
        if (!f) continue;
        const bool bits = f->kind == FieldKind::Bits;
        out.push_back({c, f->offset, bits ? f->bitLo : 0u, bits ? f->bitCount : 8u});
    }
    return out;
}

// Option lists wide enough for each field width: the bit count picks the list.
const char* listFor(unsigned bits)
{
    switch (bits) {
    case 1: return "0.No;1.Yes";
    case 3: return "0.Zero;1.One;3.Three;6.Six";
    default: return "0.Off;15.Fifteen;200.Two hundred;1:1:3:1:100:10:0";
    }
}

struct MiscFixture {
    FakeEditorContext ctx;
    FakeSection* misc;
    std::unique_ptr<CCustomFormView> view;

    MiscFixture()
    {
        misc = &ctx.addSection(Section::Misc, MiscField::kSize, 1, 1, true);
        misc->at(0)->fill(0xA5);
        for (const MiscBinding& b : miscBindings()) {
            if (b.control.kind == FormKind::Combo) ctx.lang.captions[b.control.id] = listFor(b.bitCount);
        }
        view.reset(createEditorView(ViewCommand::kMisc, ctx));
    }
    Record& record() { return *misc->at(0); }
};

class MiscControls : public ::testing::TestWithParam<MiscBinding> {};

TEST_P(MiscControls, LoadShowsTheFieldAndSaveWritesOnlyItsBits)
{
    const MiscBinding c = GetParam();
    const int id = c.control.id;
    MiscFixture f;
    ASSERT_TRUE(f.view);
    Record& r = f.record();
    const Record before = r;

    if (c.control.kind == FormKind::Check) {
        r.setBit(c.offset, c.bitLo, false);
        f.view->load();
        auto* check = findControlAs<QCheckBox>(f.view.get(), id);
        ASSERT_TRUE(check);
        EXPECT_FALSE(check->isChecked());
        check->setChecked(true);
        f.view->save();
        EXPECT_TRUE(r.bit(c.offset, c.bitLo));
    } else {
        auto* combo = findControlAs<QComboBox>(f.view.get(), id);
        ASSERT_TRUE(combo);
        r.setBits(c.offset, c.bitLo, c.bitCount, 1);
        f.view->load();
        const QString shown = c.bitCount == 1 ? QStringLiteral("Yes") : c.bitCount == 3 ? QStringLiteral("One") : QString();
        EXPECT_EQ(combo->currentText(), shown) << "value 1 has no text in the 8-bit list: nothing is shown";
        r.setBits(c.offset, c.bitLo, c.bitCount, 0);
        f.view->load();
        const QString wanted = c.bitCount == 1 ? QStringLiteral("Yes")
                               : c.bitCount == 3 ? QStringLiteral("Six") : QStringLiteral("2");
        combo->setCurrentIndex(combo->findText(wanted));
        f.view->save();
        const unsigned expected = c.bitCount == 1 ? 1 : c.bitCount == 3 ? 6 : 110;
        EXPECT_EQ(r.bits(c.offset, c.bitLo, c.bitCount), expected);
    }
    // Every other bit of the record is as it was.
    for (std::size_t i = 0; i < r.size(); ++i) {
        unsigned mask = 0xFF;
        if (i == c.offset) mask &= ~(((1u << c.bitCount) - 1u) << c.bitLo);
        EXPECT_EQ(r.u8(i) & mask, before.u8(i) & mask) << "byte " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryControl, MiscControls, ::testing::ValuesIn(miscBindings()),
                         [](const auto& info) { return std::to_string(info.param.control.id); });

TEST(ViewMis, AValueWithoutATextInItsListIsKept)
{
    MiscFixture f;
    f.record().setU8(MiscField::CarrierSquelch, 77);
    f.view->load();
    EXPECT_EQ(findControlAs<QComboBox>(f.view.get(), 1404)->currentIndex(), -1);
    f.view->save();
    EXPECT_EQ(f.record().u8(MiscField::CarrierSquelch), 77);
}

TEST(ViewMis, BatterySaveOffDisablesTheModeButKeepsItsValue)
{
    MiscFixture f;
    f.record().setBit(MiscField::Battery, MiscField::BatterySaveBit, true);
    f.record().setBits(MiscField::BatterySaveMode, 0, 3, 3);
    f.view->load();
    auto* save = findControlAs<QCheckBox>(f.view.get(), 1410);
    auto* mode = findControlAs<QComboBox>(f.view.get(), 1412);
    EXPECT_TRUE(mode->isEnabled());
    save->click();
    EXPECT_FALSE(mode->isEnabled());
    EXPECT_FALSE(f.record().bit(MiscField::Battery, MiscField::BatterySaveBit));
    EXPECT_EQ(f.record().bits(MiscField::BatterySaveMode, 0, 3), 3u);
    ASSERT_FALSE(f.ctx.recordNotices.empty());
    EXPECT_EQ(f.ctx.recordNotices.back().controlId, 1410);
}

TEST(ViewMis, AModelFlagKeepsTheModeDisabled)
{
    FakeEditorContext ctx;
    ctx.lang.flags[1412] = 1;
    FakeSection& misc = ctx.addSection(Section::Misc, MiscField::kSize, 1, 1, true);
    misc.at(0)->setBit(MiscField::Battery, MiscField::BatterySaveBit, true);
    std::unique_ptr<CCustomFormView> view(createEditorView(ViewCommand::kMisc, ctx));
    EXPECT_FALSE(findControlAs<QComboBox>(view.get(), 1412)->isEnabled());
}


TEST(ViewPassword, ShowsAndStoresThePasswordsAsZeroPaddedDigits)
{
    PasswordFixture f;
    setPasswordText(f.record(), PasswordField::PowerOn, "12345678");
    setPasswordText(f.record(), PasswordField::Write, "42");
    f.view->load();
    EXPECT_EQ(f.edit(6353)->text(), QStringLiteral("12345678"));
    EXPECT_EQ(f.edit(6355)->text(), QStringLiteral("42"));
    EXPECT_EQ(f.edit(6357)->text(), QString());

    f.edit(6353)->clear();
    f.edit(6357)->setText(QStringLiteral("87654321"));
    f.view->save();
    const auto bytes = f.record().bytes(0, 24);
    const std::vector<std::uint8_t> expected = {0, 0, 0, 0, 0, 0, 0, 0,
                                                '4', '2', 0, 0, 0, 0, 0, 0,
                                                '8', '7', '6', '5', '4', '3', '2', '1'};
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), expected);
}

TEST(ViewPassword, OnlyTheButtonChangesTheWritePassword)
{
    PasswordFixture f;
    EXPECT_TRUE(f.edit(6355)->isReadOnly());
    QTest::keyClicks(f.edit(6355), QStringLiteral("999"));
    f.view->save();
    EXPECT_EQ(passwordText(f.record(), PasswordField::Write), "");

    f.edit(6353)->setText(QStringLiteral("111"));
    f.view->setPasswordAsker([](QWidget*) { return std::optional<QString>(QStringLiteral("24680")); });
    findControlAs<QPushButton>(f.view.get(), 6358)->click();
    EXPECT_EQ(passwordText(f.record(), PasswordField::Write), "24680");
    EXPECT_EQ(passwordText(f.record(), PasswordField::PowerOn), "111") << "the view saves everything";
    EXPECT_EQ(f.edit(6355)->text(), QStringLiteral("24680"));

    f.view->setPasswordAsker([](QWidget*) { return std::nullopt; });
    f.view->changeWritePassword();
    EXPECT_EQ(passwordText(f.record(), PasswordField::Write), "24680") << "Cancel keeps it";
}

TEST(DlgPasswordEntry, FiveDigitModeWantsExactlyFiveDigits)
{
    FakeLanguage lang;
    CDlgPasswordEntry five(lang, 5);
    five.edit()->setText(QStringLiteral("123"));
    five.accept();
    EXPECT_EQ(five.result(), QDialog::Rejected);
    EXPECT_EQ(five.password(), QString());
    five.edit()->setText(QStringLiteral("12345"));
    five.accept();
    EXPECT_EQ(five.result(), QDialog::Accepted);

    CDlgPasswordEntry eight(lang, 8);
    eight.accept();
    EXPECT_EQ(eight.result(), QDialog::Accepted) << "an empty password is a valid answer";
}

struct RadioFixture {
    FakeEditorContext ctx;
    FakeSection* section;
    std::unique_ptr<CCustomFormView> view;
    RadioFixture()
    {
        ctx.values.modelName = "RADIO-X";
        ctx.values.freqRange = "400-470";
        ctx.values.signal = 2;
        ctx.lang.captions[1076] = "0.None;1.DTMF;2.Two-tone";
        section = &ctx.addSection(Section::RadioInfo, RadioInfoField::kSize, 1, 1, true);
        ProgrammingStamp stamp{5, 4, 3, 2, 1, 7, 20, 0};
        loadRadioInfoFactoryValues(*section->at(0), ctx.values, stamp);
        view.reset(createEditorView(ViewCommand::kRadio, ctx));
    }
    QString shown(int id) { return findControlAs<QLineEdit>(view.get(), id)->text(); }
};

TEST(ViewRadio, ShowsWhatIdentifiesTheRadio)
{
    RadioFixture f;
    EXPECT_EQ(f.shown(1111), QStringLiteral("RADIO-X"));
    EXPECT_EQ(f.shown(1113), QStringLiteral("400-470"));
    EXPECT_EQ(f.shown(1115), QStringLiteral("----------------"));
    EXPECT_EQ(f.shown(1117), QStringLiteral("V1.02.00"));
    EXPECT_EQ(f.shown(1119), QStringLiteral("Two-tone"));
    EXPECT_EQ(f.shown(1121), QStringLiteral("2007-01-02 03:04:05"));
    EXPECT_TRUE(findControlAs<QLineEdit>(f.view.get(), 1111)->isReadOnly());
}

struct StampCase {
    std::array<std::uint8_t, 8> stamp;
    const char* shown;
};

class StampClamp : public ::testing::TestWithParam<StampCase> {};

TEST_P(StampClamp, BytesAreLimitedFromAbove)
{
    EXPECT_EQ(CViewRadio::stampText(GetParam().stamp).toStdString(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StampClamp,
    ::testing::Values(StampCase{{59, 59, 23, 31, 12, 37, 20, 0}, "2037-12-31 23:59:59"},
                      StampCase{{0, 0, 0, 1, 1, 40, 20, 0}, "2037-01-01 00:00:00"},     // year byte 40
                      StampCase{{0, 0, 0, 0, 0, 6, 20, 0}, "2006-00-00 00:00:00"},      // 0 passes unchanged
                      StampCase{{255, 255, 255, 255, 255, 255, 255, 255}, "2037-12-31 00:59:59"}));

TEST(EditorRegistry, EveryBuiltEditorIsMadeFromItsRow)
{
    FakeEditorContext ctx;
    ctx.addSection(Section::Misc, MiscField::kSize, 1, 1, true);
    ctx.addSection(Section::Password, PasswordField::kSize, 1, 1, true);
    ctx.addSection(Section::RadioInfo, RadioInfoField::kSize, 1, 1, true);
    ctx.addSection(Section::Keys, KeysField::kSize, 1, 1, true);
    ctx.addSection(Section::PttId, PttIdField::kSize, 1, 1, true);
    ctx.addSection(Section::Dos, DosField::kSize, 1, 1, true);
    ctx.addSection(Section::Atis, AtisField::kSize, 1, 1, true);
    int built = 0;
    for (const EditorRow& row : EditorRegistry::rows()) {
        SCOPED_TRACE(row.viewClass);
        EXPECT_EQ(EditorRegistry::find(row.commandId), &row);
        EXPECT_EQ(row.tree == TreeEntry::Numbered, row.recordLimit > 0 && row.commandId != ViewCommand::kChannelList
                                                       && row.tree != TreeEntry::None);
        std::unique_ptr<CCustomFormView> view(createEditorView(row.commandId, ctx));
        ASSERT_EQ(view != nullptr, row.make != nullptr);
        if (!view) continue;
        ++built;
        EXPECT_EQ(view->viewKind(), row.commandId);
        EXPECT_EQ(view->templateId(), row.formId);
        if (row.section) {
            EXPECT_EQ(view->sectionId(), *row.section);
        }
    }
    EXPECT_GE(built, 13);
    EXPECT_EQ(EditorRegistry::recordLimit(Section::Channels), 16);
    EXPECT_EQ(EditorRegistry::recordLimit(Section::Personalities), 8);
    EXPECT_EQ(EditorRegistry::recordLimit(Section::ScanList), 1);
    EXPECT_EQ(EditorRegistry::recordLimit(Section::Misc), 0);
}

TEST(EditorFactory, MakesExactlyTheEditorsOfThisBuild)
{
    for (int id : {ViewCommand::kRadio, ViewCommand::kMisc, ViewCommand::kPassword, ViewCommand::kChannel,
                   ViewCommand::kChannelList})
        EXPECT_TRUE(hasEditorView(id)) << id;
    FakeEditorContext ctx;
    for (const EditorRow& row : EditorRegistry::rows()) {
        if (row.make) continue;
        EXPECT_FALSE(hasEditorView(row.commandId));
        EXPECT_EQ(createEditorView(row.commandId, ctx), nullptr);
    }
    EXPECT_EQ(createEditorView(12345, ctx), nullptr);
}

}  // namespace
