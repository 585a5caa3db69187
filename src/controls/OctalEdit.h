#pragma once
// The edit field of the CDCSS combo boxes: a character-filter edit that
// takes octal digits only.
#include "controls/CharFilterEdit.h"

class QComboBox;

// Makes `combo` editable with an octal-digit edit field (at most three
// digits) and returns that field; the combo box owns it.
CCharFilterEdit* attachOctalEdit(QComboBox* combo);
