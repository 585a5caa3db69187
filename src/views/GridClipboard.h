#pragma once
// Rows of a record grid as text a spreadsheet takes, and back: one line
// per row, cells separated by tabs, led by a line with the grid's column
// headings in the current language. Cells hold what the grid shows
// (frequencies in MHz, tones and choices as their texts), so pasted text
// goes through the same conversions, checks and clamping as typing.
#include <QList>
#include <QString>

class RecordTableModel;
class SectionAccess;

namespace GridClipboard {

// The heading line and the given rows.
QString copyRows(const RecordTableModel& model, const QList<int>& rows);

struct RefusedCell {
    int row;          // 0-based row of the grid
    int column;
    int messageId;    // why the text was not taken
};

struct PasteResult {
    int rowsWritten = 0;
    int rowsAdded = 0;     // records appended to the section
    int rowsLeftOut = 0;   // rows beyond the section's limit
    int clamped = 0;       // frequencies put on the band edge
    QList<RefusedCell> refused;
};

// Writes `text` into the rows from `firstRow` on, appending records to
// `rows` (the model's section) when it runs past the last one, up to
// `limit` rows. A heading line (recognised by its texts) maps its columns
// by heading; without one the cells are taken in the grid's column order.
// Cells of columns that cannot be edited in a row are passed over; a cell
// whose text is refused keeps its value and is reported.
PasteResult pasteRows(RecordTableModel& model, SectionAccess& rows, int firstRow, const QString& text, int limit);

}  // namespace GridClipboard
