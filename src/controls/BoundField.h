#pragma once
// Where a bound control's field lies in its record, and how its value is
// read and written. Binders, forms and grids reach record fields only
// through this file, so the description of the fields they use is
// exchanged in one place.
#include "model/FieldTable.h"
#include "model/SectionFields.h"

#include <cstdint>
#include <string_view>

using BoundField = FieldDesc;

// The field `name` of a record kind; nullptr when the kind has no such field.
const BoundField* findBoundField(Section kind, std::string_view name);

// Numeric fields (bits, bytes, words, frequency and tone words).
bool isNumericField(const BoundField& field);
std::uint32_t readField(const Record& record, const BoundField& field);
// Writes `value` into a numeric field; a bit field keeps its other bits and
// takes the value masked to its width.
void writeField(Record& record, const BoundField& field, std::uint32_t value);
