#include "controls/ToneCombo.h"

#include "controls/CharFilterEdit.h"
#include "controls/OctalEdit.h"
#include "model/ToneTables.h"

#include <QComboBox>
#include <QLocale>

namespace {
void addItems(QComboBox* combo, const std::vector<std::string>& items)
{
    for (const std::string& item : items) combo->addItem(QString::fromStdString(item));
}
}  // namespace

void makeCtcssCombo(QComboBox* combo)
{
    auto* edit = new CCharFilterEdit(kDecimalDigits + QStringLiteral(".") + QLocale().decimalPoint(), combo);
    edit->setMaxLength(5);
    combo->setEditable(true);
    combo->setLineEdit(edit);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    addItems(combo, ToneTables::ctcssItems());
}

void makeCdcssCombo(QComboBox* combo)
{
    attachOctalEdit(combo);
    combo->setCompleter(nullptr);
    addItems(combo, ToneTables::cdcssItems());
}
