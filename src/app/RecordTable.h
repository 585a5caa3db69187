#pragma once
// A grid is a configuration, not a class: the record kind, the columns (each
// naming the record field its cells show and the kind of cell) and where the
// rows come from. Rows are either the records of a section (the channel
// grid, one row per channel) or the repeated entries inside one record (the
// test frequencies, sixteen entries of one record). A column's field name may
// hold "%d", which is replaced by the row number, so that it names the
// row's own entry ("test_%d_rx"); without it every row's record has the field.
// A grid over bytes that belong to no section (the whole image in the data
// watch) brings its own field lookup.
#include "model/SectionFields.h"

#include <span>
#include <string>
#include <string_view>

enum class CellKind {
    Inert,    // shown, never edited
    Text,     // text typed in place
    Option,   // a choice of an option list, stored as the item's value
    Freq,     // frequency in MHz; an empty cell is the zero word
    Digits,   // packed BCD digits
    GridFreq, // frequency in MHz on the 2.5 kHz grid, clamped to the band; empty: no frequency
    ToneType, // the type bits of a tone word, as a choice of the option list
    Ctcss,    // the CTCSS tone of a tone word; editable only while the word's type is CTCSS
    Cdcss,    // the CDCSS code of a tone word; editable only while the type is CDCSS
    Choice,   // a choice among items the grid's owner supplies (records of another section)
};

struct TableColumn {
    int headingId;                  // caption text of the heading
    const char* builtIn;            // heading kept when the language file has none
    const char* field;              // the field the cells show ("%d": the row's entry)
    CellKind cell;
    int listId = 0;                 // Option: the option list
    const char* stepField = nullptr;// Freq: where the step code of a stored frequency goes
    int width = 100;                // pixels
};

struct TableConfig {
    Section record;
    std::span<const TableColumn> columns;
    int repeatRows = 0;   // rows inside one record; 0: one row per record of the section
    // Finds a field by name for a table over fields of its own; nullptr:
    // the fields of `record`'s schema.
    const FieldDesc* (*lookup)(std::string_view name) = nullptr;
    // The heading of a row (from 0); nullptr: rows numbered from 1.
    std::string (*rowHeading)(int row) = nullptr;

    const FieldDesc* field(std::string_view name) const;
};

// The field name of `column` in `row`.
std::string cellFieldName(const TableColumn& column, int row);
