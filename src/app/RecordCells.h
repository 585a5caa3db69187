#pragma once
// The cells of a record grid without widgets: the text a cell shows,
// whether it can be edited, and a typed, pasted or chosen value written to
// its record with the checks of the column's kind. The desktop program's
// grids and the browser page's channel table both go through here, so a
// cell reads and takes values the same way in both.
#include "app/RecordTable.h"
#include "model/FreqEntry.h"
#include "settings/ListDefinition.h"

#include <string>
#include <string_view>
#include <vector>

class Record;

namespace RecordCells {

using Items = std::vector<ListItem>;

// What a cell shows; `items` are the choices of an Option, ToneType or
// Choice column.
std::string text(const Record& record, const FieldDesc& field, const TableColumn& column, const Items& items);

// A tone cell only while the tone type is its kind; never an inert one.
bool editable(const Record& record, const FieldDesc& field, const TableColumn& column);

struct Written {
    int refused = 0;       // 0: written; otherwise the message that says why not (nothing changed)
    bool clamped = false;  // a frequency was put on the band edge
};

// A choice by its value: only a value the column's items offer.
Written writeValue(Record& record, const FieldDesc& field, const TableColumn& column, int value, const Items& items);

// A cell from its text (UTF-8) as typed or pasted. `stepField` is where a
// frequency column stores the step code of the frequency it took.
Written writeText(Record& record, const FieldDesc& field, const TableColumn& column, std::string_view typed,
                  const Items& items, const FreqBand& band, const FieldDesc* stepField);

}  // namespace RecordCells
