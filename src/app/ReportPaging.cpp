#include "app/ReportPaging.h"

#include <algorithm>

namespace {

bool isEmpty(const ReportRow& row)
{
    return row.style == RowStyle::kBlank ||
           std::all_of(row.texts.begin(), row.texts.end(), [](const std::string& t) { return t.empty(); });
}

bool isTitle(const ReportRow& row) { return row.style == RowStyle::kTitle; }
bool isHeading(const ReportRow& row) { return row.style == RowStyle::kHeader; }
bool isValue(const ReportRow& row) { return !isTitle(row) && !isHeading(row) && !isEmpty(row); }

// Rows that belong with what follows them: a page does not end on them.
bool keepsWithNext(const ReportRow& row) { return isTitle(row) || isHeading(row); }

// A value row whose first column is empty goes on with the row above it
// (an alert tone's durations under its frequencies): a page does not
// start with it.
bool continuesAbove(const ReportRows& rows, std::size_t at)
{
    if (at == 0 || at >= rows.size() || !isValue(rows[at]) || !isValue(rows[at - 1])) return false;
    const ReportRow& row = rows[at];
    return row.texts.size() > 1 && row.texts.front().empty() && rows[at - 1].texts.size() == row.texts.size();
}

}  // namespace

std::vector<std::size_t> continuedHeadings(const ReportRows& rows, std::size_t at)
{
    if (at >= rows.size() || !isValue(rows[at])) return {};
    const std::size_t columns = rows[at].texts.size();

    // The table: the value rows of the same shape above, then the heading
    // rows of that shape right above them.
    std::size_t top = at;
    while (top > 0 && isValue(rows[top - 1]) && rows[top - 1].texts.size() == columns) --top;
    std::size_t headTop = top;
    while (headTop > 0 && isHeading(rows[headTop - 1]) && rows[headTop - 1].texts.size() == columns) --headTop;

    // The record: the nearest one-column heading above, within the block.
    std::vector<std::size_t> out;
    for (std::size_t i = headTop; i > 0 && !isTitle(rows[i - 1]); --i) {
        const ReportRow& r = rows[i - 1];
        if (isHeading(r) && r.texts.size() == 1 && columns != 1) {
            out.push_back(i - 1);
            break;
        }
    }
    for (std::size_t i = headTop; i < top; ++i) out.push_back(i);
    return out;
}

std::vector<std::vector<std::size_t>> paginateReport(const ReportRows& rows, int rowsPerPage)
{
    const std::size_t capacity = static_cast<std::size_t>(std::max(1, rowsPerPage));
    std::vector<std::vector<std::size_t>> pages;
    std::size_t i = 0;
    while (i < rows.size()) {
        std::vector<std::size_t> page;
        if (!pages.empty()) {
            while (i < rows.size() && isEmpty(rows[i])) ++i;
            if (i == rows.size()) break;
            // Headings repeated only where at least one row of their own fits.
            page = continuedHeadings(rows, i);
            if (page.size() >= capacity) page.clear();
        }
        std::size_t end = std::min(rows.size(), i + (capacity - page.size()));
        if (end < rows.size()) {
            std::size_t keep = end;
            while (keep > i && (keepsWithNext(rows[keep - 1]) || continuesAbove(rows, keep))) --keep;
            // A page of nothing but headings keeps them rather than loop.
            if (keep > i) end = keep;
        }
        for (; i < end; ++i) page.push_back(i);
        pages.push_back(std::move(page));
    }
    if (pages.empty()) pages.emplace_back();
    return pages;
}
