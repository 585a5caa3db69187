#pragma once
// Comma-separated text as other programs write it: fields may be quoted
// ("..." with "" for a quote, and line ends inside), lines end in LF or
// CRLF, and a UTF-8 byte order mark at the start is skipped.
#include <string>
#include <string_view>
#include <vector>

struct CsvRow {
    int line;  // the text line the row starts on (1-based)
    std::vector<std::string> fields;
};

// False with `error` ("line N: ...") when a quoted field is not closed or a
// quote stands inside an unquoted field. Blank lines are left out.
bool readCsv(std::string_view text, std::vector<CsvRow>& rows, std::string& error);

// One line of fields, quoted where a field holds a comma, a quote or a line end.
std::string csvLine(const std::vector<std::string>& fields);
