#include "app/CsvReader.h"

bool readCsv(std::string_view text, std::vector<CsvRow>& rows, std::string& error)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    rows.clear();
    CsvRow row{1, {}};
    std::string field;
    int line = 1;
    bool quoted = false, wasQuoted = false, any = false;
    auto endField = [&] {
        row.fields.push_back(std::move(field));
        field.clear();
        wasQuoted = false;
    };
    auto endRow = [&] {
        endField();
        if (any) rows.push_back(std::move(row));
        row = CsvRow{line, {}};
        any = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') field += text[++i];
                else quoted = false;
            } else {
                if (c == '\n') ++line;
                field += c;
            }
            continue;
        }
        if (c == '"') {
            if (!field.empty() || wasQuoted) {
                error = "line " + std::to_string(line) + ": a quote inside a field that does not start with one";
                return false;
            }
            quoted = wasQuoted = any = true;
        } else if (c == ',') {
            endField();
            any = true;
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;  // the LF ends the row
        } else if (c == '\n') {
            ++line;
            endRow();
        } else {
            if (wasQuoted) {
                error = "line " + std::to_string(line) + ": text after the closing quote of a field";
                return false;
            }
            field += c;
            any = any || c != '\r';
        }
    }
    if (quoted) {
        error = "line " + std::to_string(row.line) + ": a quoted field is not closed";
        return false;
    }
    endRow();
    return true;
}

std::string csvLine(const std::vector<std::string>& fields)
{
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out += ',';
        const std::string& f = fields[i];
        if (f.find_first_of(",\"\r\n") == std::string::npos) {
            out += f;
            continue;
        }
        out += '"';
        for (char c : f) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    return out + "\r\n";
}
