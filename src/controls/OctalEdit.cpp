#include "controls/OctalEdit.h"

#include <QComboBox>

CCharFilterEdit* attachOctalEdit(QComboBox* combo)
{
    if (!combo) return nullptr;
    auto* edit = new CCharFilterEdit(kOctalDigits, combo);
    edit->setMaxLength(3);
    combo->setEditable(true);
    combo->setLineEdit(edit);
    // The combo box installs its own completer and insert policy; typed
    // codes that are not in the list must stay as typed.
    combo->setInsertPolicy(QComboBox::NoInsert);
    return edit;
}
