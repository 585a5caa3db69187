#include "views/FormTable.h"

#include "controls/CharFilterEdit.h"
#include "controls/ControlId.h"
#include "controls/LanguageSource.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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
    case FormKind::Button: return new QPushButton(text, parent);
    }
    return nullptr;
}

int listOf(const FormControl& c) { return c.listId != 0 ? c.listId : c.id; }

}  // namespace

void buildFormControls(QWidget* form, std::span<const FormControl> table)
{
    auto* grid = new QGridLayout(form);
    int row = -1;
    int column = 0;   // next free column of the current row; 0: no row open
    for (const FormControl& c : table) {
        QWidget* w = makeControl(c, form);
        setControlId(w, c.id);
        if (c.kind == FormKind::Label) {
            grid->addWidget(w, ++row, 0);
            column = 1;
        } else if (column == 0) {
            grid->addWidget(w, ++row, 0, 1, 2);
        } else {
            grid->addWidget(w, row, column++);
        }
        // A check box carries its own text and closes its row.
        if (c.kind == FormKind::Check) column = 0;
    }
    grid->setRowStretch(row + 1, 1);
    grid->setColumnStretch(1, 1);
}

void loadFormControls(QWidget* form, std::span<const FormControl> table, const Record& record,
                      const LanguageSource& language)
{
    for (const FormControl& c : table) {
        if (c.kind == FormKind::Combo) {
            auto* combo = findControlAs<QComboBox>(form, c.id);
            if (!combo) continue;
            const int value = static_cast<int>(record.bits(c.offset, c.bitLo, c.bitCount));
            const QString text = QString::fromStdString(language.textForValue(listOf(c), value));
            combo->setCurrentIndex(text.isEmpty() ? -1 : combo->findText(text));
        } else if (c.kind == FormKind::Check) {
            if (auto* check = findControlAs<QCheckBox>(form, c.id)) check->setChecked(record.bit(c.offset, c.bitLo));
        }
    }
}

void saveFormControls(QWidget* form, std::span<const FormControl> table, Record& record,
                      const LanguageSource& language)
{
    for (const FormControl& c : table) {
        if (c.kind == FormKind::Combo) {
            auto* combo = findControlAs<QComboBox>(form, c.id);
            if (!combo || combo->currentIndex() < 0) continue;
            const int value = language.valueForText(listOf(c), combo->currentText().toStdString());
            // -1 (a text the list does not know) writes all ones, masked to the field.
            record.setBits(c.offset, c.bitLo, c.bitCount, static_cast<unsigned>(value));
        } else if (c.kind == FormKind::Check) {
            if (auto* check = findControlAs<QCheckBox>(form, c.id)) record.setBit(c.offset, c.bitLo, check->isChecked());
        }
    }
}
