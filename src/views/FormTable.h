#pragma once
// Regular forms are described by a table of controls instead of code: each
// row names a control id (also its language key and help context), its
// kind, its built-in text and, for controls that show or edit a record, the
// record field they are bound to. Rows are laid out in a two-column grid in
// table order: a label starts a row and the control after it sits beside it
// (the label becomes its buddy); a check box sits in the right-hand column
// of the row above when it belongs to that row's setting (`sameRow`), or
// takes a row of its own; a button sits beside the control before it.
#include "model/SectionFields.h"

#include <span>

class FormBindings;
class QWidget;

enum class FormKind {
    Label,        // static text
    Combo,        // drop-down choice of an option list (the control id's list)
    Check,        // check box: one bit
    Display,      // read-only edit, filled from its field or by the view
    DigitEdit,    // digits-only edit
    FreqEdit,     // frequency in MHz
    RangeEdit,    // number with the numeric-edit parameters of its id
    BcdEdit,      // packed BCD digits
    Button,       // push button the view connects itself
};

struct FormControl {
    int id;
    FormKind kind;
    const char* builtIn = "";    // text kept when the language file has none
    const char* field = nullptr; // bound record field; nullptr: the view fills it
    bool sameRow = false;        // Check, Button: beside the control before it
};

struct FormTable {
    Section record;
    std::span<const FormControl> controls;
};

// Creates the controls of `table` on `form` (which gets a grid layout) and
// a binder for every control that names a field. A field the record kind
// does not have, or one that does not fit its control, throws
// std::logic_error: that is a fault in the table, found by the tests.
void buildFormControls(QWidget* form, const FormTable& table, FormBindings& bindings);
