#pragma once
// The report's rows as plain text (columns aligned by their display width,
// so Chinese texts line up too) or as an HTML document, for the command
// line and for anything that cannot draw pages.
#include "app/ReportRow.h"

#include <string>
#include <string_view>

// Columns a text takes on a terminal: East Asian wide characters count two.
std::size_t displayWidth(std::string_view utf8);

// Titles on lines of their own, each run of rows with the same column
// count as one table whose columns are padded to their widest text.
std::string reportAsText(const ReportRows& rows);
// A complete HTML document titled `title`: a heading per title row, a
// table per run of rows with the same column count (heading rows as th).
std::string reportAsHtml(const ReportRows& rows, const std::string& title);
