#pragma once
// Regular forms are described by a table of controls instead of code: each
// row names a control id (also its language key and help context), its
// kind, its built-in text and, for controls that edit a record, the bits
// they edit. Rows are laid out in a two-column grid in table order: a label
// starts a row, the control after it sits beside it, and a check box or
// button without a label takes a row of its own.
#include "model/Record.h"

#include <span>

class LanguageSource;
class QWidget;

enum class FormKind {
    Label,        // static text
    Combo,        // drop-down choice: option list value in the bits
    Check,        // check box: one bit
    Display,      // read-only edit the view fills itself
    DigitEdit,    // digits-only edit the view reads and writes itself
    Button,       // push button the view connects itself
};

struct FormControl {
    int id;
    FormKind kind;
    const char* builtIn = "";   // text kept when the language file has none
    Offset offset = 0;          // Combo, Check: record byte
    unsigned bitLo = 0;         // Combo, Check: lowest bit
    unsigned bitCount = 0;      // Combo: field width (Check: 1)
    int listId = 0;             // Combo: option list; 0 = the control's own id
};

// Creates the controls of `table` on `form` (which gets a grid layout).
void buildFormControls(QWidget* form, std::span<const FormControl> table);

// Record to controls: each combo shows the option text of its field's
// value, each check box its bit.
void loadFormControls(QWidget* form, std::span<const FormControl> table, const Record& record,
                      const LanguageSource& language);

// Controls to record: each combo's text is looked up in its list and the
// value written into its bits (masked to the field); each check box's
// state into its bit. A combo showing no choice - its stored value has no
// text in the list - leaves the field as it is.
void saveFormControls(QWidget* form, std::span<const FormControl> table, Record& record,
                      const LanguageSource& language);
