#include "views/FormTable.h"

#include "controls/BcdDigitEdit.h"
#include "controls/Binders.h"
#include "controls/CharFilterEdit.h"
#include "controls/ControlId.h"
#include "controls/FreqEdit.h"
#include "controls/RangeValueEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <stdexcept>
#include <string>

namespace {

QWidget* makeControl(const FormControl& c, QWidget* parent)
{
    const QString text = QString::fromUtf8(c.builtIn);
    switch (c.kind) {
    case FormKind::Label: return new QLabel(text, parent);
    case FormKind::Combo: return new QComboBox(parent);
    case FormKind::Check: return new QCheckBox(text, parent);
    case FormKind::Display: {
        auto* edit = new QLineEdit(parent);
        edit->setReadOnly(true);
        return edit;
    }
    case FormKind::DigitEdit: return new CCharFilterEdit(kDecimalDigits, parent);
    case FormKind::FreqEdit: return new CFreqEdit(parent);
    case FormKind::RangeEdit: return new CRangeValueEdit(parent);
    case FormKind::BcdEdit: return new CBcdDigitEdit(parent);
    case FormKind::Button: return new QPushButton(text, parent);
    }
    return nullptr;
}

void bind(QWidget* w, const FormControl& c, Section record, QLabel* label, FormBindings& bindings)
{
    const BoundField* field = findBoundField(record, c.field);
    std::unique_ptr<FieldBinder> binder = field ? makeBinder(w, *field) : nullptr;
    if (!binder)
        throw std::logic_error("control " + std::to_string(c.id) + " cannot be bound to field " + c.field);
    binder->setDisplayOnly(c.kind == FormKind::Display);
    binder->setLabel(label);
    bindings.add(std::move(binder));
}

}  // namespace

void buildFormControls(QWidget* form, const FormTable& table, FormBindings& bindings)
{
    auto* grid = new QGridLayout(form);
    int row = -1;
    int column = 0;          // next free column of the current row; 0: no row open
    QLabel* label = nullptr; // the label of the current row, until its control takes it
    for (const FormControl& c : table.controls) {
        QWidget* w = makeControl(c, form);
        setControlId(w, c.id);
        if (c.kind == FormKind::Label) {
            label = static_cast<QLabel*>(w);
            grid->addWidget(w, ++row, 0);
            column = 1;
        } else if (c.sameRow && row >= 0) {
            column = std::max(column, 2);
            grid->addWidget(w, row, column++);
        } else if (c.kind == FormKind::Check || column == 0) {
            // A check box of its own setting takes a row of its own.
            grid->addWidget(w, ++row, 0, 1, 2);
            column = 0;
        } else {
            grid->addWidget(w, row, column++);
        }
        if (c.kind != FormKind::Label && c.kind != FormKind::Button) {
            // A check box names itself; any other control is named by its label.
            QLabel* own = c.kind == FormKind::Check ? nullptr : label;
            if (own) own->setBuddy(w);
            if (c.field) bind(w, c, table.record, own, bindings);
            label = nullptr;
        }
    }
    grid->setRowStretch(row + 1, 1);
    grid->setColumnStretch(1, 1);
}
