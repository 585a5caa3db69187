// The editors' control tables against the record fields they name, and
// what the form built from a table looks like to a user.
#include "FakeEditorContext.h"

#include "controls/BoundField.h"
#include "controls/ControlId.h"
#include "model/MiscRecord.h"
#include "views/EditorFactory.h"
#include "views/NoticeBuilder.h"
#include "views/ViewIds.h"
#include "views/ViewMis.h"
#include "views/ViewPassword.h"
#include "views/ViewRadio.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace {

struct EditorTable {
    const char* name;
    FormTable table;
};

std::vector<EditorTable> editorTables()
{
    return {{"misc", CViewMis::controls()}, {"password", CViewPassword::controls()}, {"radio", CViewRadio::controls()}};
}

// The field kinds each kind of control may show.
bool fits(FormKind control, const BoundField& f)
{
    switch (control) {
    case FormKind::Combo: return f.kind == FieldKind::Bits || f.kind == FieldKind::U8;
    case FormKind::Check: return f.kind == FieldKind::Bits && f.bitCount == 1;
    case FormKind::Display:
    case FormKind::DigitEdit: return f.kind == FieldKind::Text;
    case FormKind::FreqEdit: return f.kind == FieldKind::BcdFreq;
    case FormKind::BcdEdit: return f.kind == FieldKind::BcdDigits;
    case FormKind::RangeEdit: return f.kind == FieldKind::U8 || f.kind == FieldKind::Bits;
    default: return false;   // labels and buttons show no field
    }
}

TEST(FormTables, EveryBindingNamesAFieldOfItsRecordOfTheRightKind)
{
    for (const EditorTable& e : editorTables()) {
        std::set<std::string> seen;
        for (const FormControl& c : e.table.controls) {
            if (!c.field) continue;
            SCOPED_TRACE(std::string(e.name) + " control " + std::to_string(c.id));
            const BoundField* f = findBoundField(e.table.record, c.field);
            ASSERT_NE(f, nullptr) << "no field " << c.field;
            EXPECT_TRUE(fits(c.kind, *f)) << c.field;
            EXPECT_TRUE(seen.insert(c.field).second) << "two controls edit " << c.field;
        }
    }
}

// The grid row a control was laid out in.
int rowOf(QWidget* form, int id)
{
    auto* grid = qobject_cast<QGridLayout*>(form->layout());
    const int index = grid ? grid->indexOf(findControl(form, id)) : -1;
    int row = -1, column, rowSpan, columnSpan;
    if (index >= 0) grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    return row;
}

TEST(ViewMisLayout, EachCheckBoxSitsOnTheRowOfItsSetting)
{
    FakeEditorContext ctx;
    ctx.addSection(Section::Misc, MiscField::kSize, 1, 1, true);
    std::unique_ptr<CCustomFormView> view(createEditorView(ViewCommand::kMisc, ctx));
    QWidget* form = view->form();
    EXPECT_EQ(rowOf(form, 1409), rowOf(form, 1406)) << "VOX inhibit with the VOX gain";
    EXPECT_EQ(rowOf(form, 1410), rowOf(form, 1412)) << "Battery Save with its mode";
    std::set<int> rows;
    for (int combo : {1402, 1404, 1406, 1408, 1412, 1414}) rows.insert(rowOf(form, combo));
    EXPECT_EQ(rows.size(), 6u) << "every setting has a row of its own";
    EXPECT_NE(rowOf(form, 1410), rowOf(form, 1402)) << "not on the tail revert row";
    EXPECT_NE(rowOf(form, 1409), rowOf(form, 1408)) << "not on the VOX delay row";
}

TEST(EditorForms, EveryLabelledControlHasItsLabelAsBuddy)
{
    FakeEditorContext ctx;
    ctx.addSection(Section::Misc, MiscField::kSize, 1, 1, true);
    ctx.addSection(Section::Password, 24, 1, 1, true);
    ctx.addSection(Section::RadioInfo, 72, 1, 1, true);
    for (int command : {ViewCommand::kMisc, ViewCommand::kPassword, ViewCommand::kRadio}) {
        std::unique_ptr<CCustomFormView> view(createEditorView(command, ctx));
        ASSERT_TRUE(view);
        for (QLabel* label : view->form()->findChildren<QLabel*>()) {
            SCOPED_TRACE(label->text().toStdString());
            ASSERT_NE(label->buddy(), nullptr);
            EXPECT_EQ(controlId(label->buddy()), controlId(label) + 1) << "the control the label stands before";
        }
    }
}

TEST(NoticeBuilder, AFieldIsNamedByItsOwnCheckBoxTextOrItsLabel)
{
    QWidget form;
    auto* label = new QLabel("Mode", &form);
    setControlId(label, 10);
    auto* check = new QCheckBox("Battery Save", &form);
    setControlId(check, 11);   // the id after a label that names another control
    auto* mode = new QLineEdit(&form);
    setControlId(mode, 20);
    label->setBuddy(mode);
    auto* plain = new QLineEdit(&form);
    setControlId(plain, 12);   // no buddy: the control one id lower names it
    EXPECT_EQ(fieldLabel(&form, 11), "Battery Save");
    EXPECT_EQ(fieldLabel(&form, 20), "Mode");
    EXPECT_EQ(fieldLabel(&form, 12), "Battery Save");
    EXPECT_EQ(fieldLabel(&form, 99), "");
}

TEST(NoticeBuilder, AMiscCheckBoxEditIsAnnouncedUnderItsOwnText)
{
    FakeEditorContext ctx;
    ctx.addSection(Section::Misc, MiscField::kSize, 1, 1, true);
    std::unique_ptr<CCustomFormView> view(createEditorView(ViewCommand::kMisc, ctx));
    findControlAs<QCheckBox>(view.get(), 1410)->click();
    ASSERT_FALSE(ctx.recordNotices.empty());
    const ChangeNotice& n = ctx.recordNotices.back();
    EXPECT_EQ(n.label, "Battery Save");
    EXPECT_EQ(n.fieldName, "Battery Save");
    EXPECT_EQ(n.section, Section::Misc);
    EXPECT_EQ(n.recordId, 1);
}

}  // namespace
