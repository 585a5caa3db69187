#include "views/GridClipboard.h"

#include "views/EditorContext.h"
#include "views/RecordTableModel.h"

#include <QStringList>

#include <algorithm>

namespace GridClipboard {

namespace {

QStringList linesOf(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
    QStringList lines = t.split('\n');
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty()) lines.removeLast();
    return lines;
}

// Where each pasted cell goes: the grid column for every field of a line.
// A heading line maps by heading; otherwise the columns in order.
QList<int> columnMap(const RecordTableModel& model, const QStringList& firstLine, bool& isHeading)
{
    QList<int> map;
    int known = 0;
    for (const QString& cell : firstLine) {
        int column = -1;
        for (int c = 0; c < model.columnCount(); ++c)
            if (model.headingText(c).compare(cell.trimmed(), Qt::CaseInsensitive) == 0) column = c;
        if (column >= 0) ++known;
        map.append(column);
    }
    isHeading = known > 0 && known * 2 >= firstLine.size();
    if (isHeading) return map;
    map.clear();
    for (int c = 0; c < firstLine.size(); ++c) map.append(c < model.columnCount() ? c : -1);
    return map;
}

}  // namespace

QString copyRows(const RecordTableModel& model, const QList<int>& rows)
{
    QStringList lines;
    QStringList heading;
    for (int c = 0; c < model.columnCount(); ++c) heading << model.headingText(c);
    lines << heading.join('\t');
    for (int row : rows) {
        QStringList cells;
        for (int c = 0; c < model.columnCount(); ++c) cells << model.index(row, c).data().toString();
        lines << cells.join('\t');
    }
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

PasteResult pasteRows(RecordTableModel& model, SectionAccess& rows, int firstRow, const QString& text, int limit)
{
    PasteResult result;
    QStringList lines = linesOf(text);
    if (lines.isEmpty()) return result;
    bool heading = false;
    QList<int> map = columnMap(model, lines.front().split('\t'), heading);
    if (heading) lines.removeFirst();
    int row = std::max(firstRow, 0);
    for (const QString& line : lines) {
        if (row >= rows.count()) {
            // Past the last record: a new one, while the section has room.
            if (rows.count() >= limit || !rows.append()) {
                result.rowsLeftOut = static_cast<int>(lines.size()) - (result.rowsWritten);
                break;
            }
            ++result.rowsAdded;
        }
        model.refresh();
        const QStringList cells = line.split('\t');
        // Cells in grid column order, so a type is written before its tone.
        QList<QPair<int, QString>> ordered;
        for (int i = 0; i < cells.size() && i < map.size(); ++i)
            if (map[i] >= 0) ordered.append({map[i], cells[i]});
        std::sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& [column, cell] : ordered) {
            if (!model.isEditable(row, column)) continue;
            // What the cell shows already needs no writing.
            if (model.index(row, column).data().toString() == cell.trimmed()) continue;
            bool clamped = false;
            const int refused = model.writeText(row, column, cell, &clamped);
            if (refused != 0) result.refused.append({row, column, refused});
            if (clamped) ++result.clamped;
        }
        ++result.rowsWritten;
        ++row;
    }
    model.refresh();
    return result;
}

}  // namespace GridClipboard
