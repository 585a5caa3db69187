#pragma once
// Which rows of the report each page prints. A page holds at most N rows,
// but a page never ends on a block's title or a heading while rows follow
// (they move to the next page with the rows they head), nor between a row
// and the row that goes on with it (an empty first column), a new page does not
// start with empty rows, and a table or record that runs on from the page
// before starts with its headings again, so no page shows values without
// saying what they are.
#include "app/ReportRow.h"

#include <cstddef>
#include <vector>

// The indices into `rows` of each page's rows, in print order (a repeated
// heading appears on every page it heads). A report without rows still has
// one, empty, page for its header and footer.
std::vector<std::vector<std::size_t>> paginateReport(const ReportRows& rows, int rowsPerPage);

// The headings that row `at` continues under when a page starts with it:
// the nearest record heading of its block (one column) and the heading rows
// of the table it belongs to; empty for a row that is not a value row.
std::vector<std::size_t> continuedHeadings(const ReportRows& rows, std::size_t at);
