#include "app/ReportFormat.h"

#include <algorithm>

namespace {

// Decodes one UTF-8 sequence at `i`; a malformed byte counts as one
// character of its own.
char32_t nextCodePoint(std::string_view s, std::size_t& i)
{
    const auto b = static_cast<unsigned char>(s[i]);
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    char32_t cp = extra == 3 ? b & 0x07u : extra == 2 ? b & 0x0Fu : extra == 1 ? b & 0x1Fu : b;
    ++i;
    for (; extra > 0 && i < s.size(); --extra, ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if ((c & 0xC0u) != 0x80u) break;
        cp = (cp << 6) | (c & 0x3Fu);
    }
    return cp;
}

bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

bool allEmpty(const ReportRow& row)
{
    return std::all_of(row.texts.begin(), row.texts.end(), [](const std::string& t) { return t.empty(); });
}

std::string joinedTitle(const ReportRow& row)
{
    std::string out;
    for (const std::string& t : row.texts) {
        if (t.empty()) continue;
        if (!out.empty()) out += ' ';
        out += t;
    }
    return out;
}

// Calls `table(first, end)` for each run of table rows and `title(row)`
// for title rows; blank and empty rows end a run.
template <class Title, class Table>
void walk(const ReportRows& rows, Title title, Table table)
{
    std::size_t i = 0;
    while (i < rows.size()) {
        const ReportRow& row = rows[i];
        if (row.style == RowStyle::kBlank || allEmpty(row)) {
            ++i;
            continue;
        }
        if (row.style == RowStyle::kTitle) {
            title(row);
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < rows.size() && rows[end].style != RowStyle::kBlank && rows[end].style != RowStyle::kTitle &&
               !allEmpty(rows[end]) && rows[end].texts.size() == row.texts.size())
            ++end;
        table(i, end);
        i = end;
    }
}

std::string escaped(std::string_view s)
{
    std::string out;
    for (char c : s) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace

std::size_t displayWidth(std::string_view utf8)
{
    std::size_t width = 0;
    for (std::size_t i = 0; i < utf8.size();) width += isWide(nextCodePoint(utf8, i)) ? 2 : 1;
    return width;
}

std::string reportAsText(const ReportRows& rows)
{
    std::string out;
    walk(
        rows,
        [&](const ReportRow& row) {
            if (!out.empty()) out += '\n';
            out += "== " + joinedTitle(row) + " ==\n";
        },
        [&](std::size_t first, std::size_t end) {
            std::vector<std::size_t> widths(rows[first].texts.size(), 0);
            for (std::size_t r = first; r < end; ++r)
                for (std::size_t c = 0; c < widths.size(); ++c)
                    widths[c] = std::max(widths[c], displayWidth(rows[r].texts[c]));
            for (std::size_t r = first; r < end; ++r) {
                std::string line;
                for (std::size_t c = 0; c < widths.size(); ++c) {
                    const std::string& t = rows[r].texts[c];
                    line += t;
                    if (c + 1 < widths.size()) line.append(widths[c] - displayWidth(t) + 2, ' ');
                }
                while (!line.empty() && line.back() == ' ') line.pop_back();
                out += line + '\n';
            }
        });
    return out;
}

std::string reportAsHtml(const ReportRows& rows, const std::string& title)
{
    std::string out = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" + escaped(title) +
                      "</title>\n<style>table{border-collapse:collapse;margin-bottom:1em}"
                      "td,th{border:1px solid #999;padding:2px 6px;text-align:left}</style>\n</head>\n<body>\n";
    walk(
        rows, [&](const ReportRow& row) { out += "<h2>" + escaped(joinedTitle(row)) + "</h2>\n"; },
        [&](std::size_t first, std::size_t end) {
            out += "<table>\n";
            for (std::size_t r = first; r < end; ++r) {
                const char* cell = rows[r].style == RowStyle::kHeader ? "th" : "td";
                out += "<tr>";
                for (const std::string& t : rows[r].texts)
                    out += std::string("<") + cell + ">" + escaped(t) + "</" + cell + ">";
                out += "</tr>\n";
            }
            out += "</table>\n";
        });
    out += "</body>\n</html>\n";
    return out;
}
