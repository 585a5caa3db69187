#pragma once
// Small editors over a test section, to drive the framework without the
// real editors: a form view with one digits edit and a sheet view with two
// pages, each showing byte 1 of the record as a number.
#include "controls/CharFilterEdit.h"
#include "controls/ControlId.h"
#include "controls/FieldBinder.h"
#include "model/Record.h"
#include "views/CustomFormView.h"
#include "views/QAVPropertyPage.h"
#include "views/QAVPropertySheet.h"
#include "views/SheetFormView.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace TestIds {
constexpr int kForm = 7000;
constexpr int kLabel = 7001;
constexpr int kEdit = 7002;
constexpr int kSecondEdit = 7004;
constexpr int kKind = 39000;
}  // namespace TestIds

inline void addNumberControls(QWidget* parent)
{
    auto* layout = new QVBoxLayout(parent);
    auto* label = new QLabel(QStringLiteral("Number"), parent);
    setControlId(label, TestIds::kLabel);
    auto* edit = new CCharFilterEdit(kDecimalDigits, parent);
    setControlId(edit, TestIds::kEdit);
    auto* second = new CCharFilterEdit(kDecimalDigits, parent);
    setControlId(second, TestIds::kSecondEdit);
    layout->addWidget(label);
    layout->addWidget(edit);
    layout->addWidget(second);
}

// Byte 1 of the record as a decimal number: a binder of the tests' own,
// as a view with a control kind of its own would add one.
class NumberBinder : public FieldBinder {
public:
    explicit NumberBinder(QLineEdit* edit) : FieldBinder(edit, fU8("number", 1)), edit_(edit) {}
    void load(const Record& r) override { edit_->setText(QString::number(readField(r, field()))); }
    void save(Record& r) override { writeField(r, field(), edit_->text().toUInt()); }
    void clear() override { edit_->clear(); }

private:
    QLineEdit* edit_;
};

inline void bindNumber(QWidget* parent, FormBindings& bindings)
{
    bindings.add(std::make_unique<NumberBinder>(findControlAs<QLineEdit>(parent, TestIds::kEdit)));
}

class NumberView : public CCustomFormView {
public:
    NumberView(EditorContext& ctx, Section section, int kind = TestIds::kKind)
        : CCustomFormView(TestIds::kForm, kind, section, ctx)
    {
    }
    std::vector<ChangeNotice> received;

protected:
    void buildForm(QWidget* form) override
    {
        addNumberControls(form);
        bindNumber(form, bindings());
    }
    void onNotice(const ChangeNotice& n) override { received.push_back(n); }
};

class NumberPage : public CQAVPropertyPage {
public:
    NumberPage(int templateId, const LanguageSource& lang) : CQAVPropertyPage(templateId, lang) {}
    std::vector<ChangeNotice> received;
    void notify(const ChangeNotice& n) override { received.push_back(n); }

protected:
    void buildPage() override
    {
        addNumberControls(this);
        bindNumber(this, bindings());
    }
};

class TwoPageView : public CSheetFormView {
public:
    TwoPageView(EditorContext& ctx, Section section, int kind = TestIds::kKind)
        : CSheetFormView(TestIds::kForm, kind, section, ctx)
    {
    }
    NumberPage* first = nullptr;
    NumberPage* second = nullptr;

protected:
    void createPages(CQAVPropertySheet* sheet) override
    {
        first = new NumberPage(7100, context().language());
        second = new NumberPage(7200, context().language());
        sheet->addPage(first, 7101, QStringLiteral("First"), context().language());
        sheet->addPage(second, 7201, QStringLiteral("Second"), context().language());
    }
};
