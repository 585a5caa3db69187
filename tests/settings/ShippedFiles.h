#pragma once
// Helpers for the tests of the data files the program ships (data/): reading
// them raw, so the tests see duplicates and order that the profile reader
// hides, and checking their encoding.
#include <cstddef>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace shipped {

inline std::string dataPath(const std::string& name) { return std::string(QAV_DATA_DIR) + "/" + name; }
inline std::string sourcePath(const std::string& name) { return std::string(QAV_DATA_DIR) + "/../" + name; }

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// One "key=value" line with its section, as the profile reader sees it:
// names and value trimmed, one pair of surrounding quotes removed.
struct IniEntry {
    std::string section;
    std::string key;
    std::string value;
};

inline std::string trimmed(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return std::string(s);
}

inline std::vector<IniEntry> iniEntries(const std::string& text)
{
    std::vector<IniEntry> out;
    std::string section;
    std::istringstream in(text);
    for (std::string raw; std::getline(in, raw);) {
        std::string line = trimmed(raw);
        if (line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            section = trimmed(line.substr(1, line.find(']') - 1));
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        std::string value = trimmed(line.substr(eq + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        out.push_back({section, trimmed(line.substr(0, eq)), value});
    }
    return out;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
inline bool isValidUtf8(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t n = 0;
        unsigned cp = 0;
        if (c < 0x80) { ++i; continue; }
        if (c >= 0xC2 && c <= 0xDF) { n = 1; cp = c & 0x1F; }
        else if (c >= 0xE0 && c <= 0xEF) { n = 2; cp = c & 0x0F; }
        else if (c >= 0xF0 && c <= 0xF4) { n = 3; cp = c & 0x07; }
        else return false;
        if (i + n >= s.size()) return false;
        for (std::size_t k = 1; k <= n; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        if ((n == 2 && cp < 0x800) || (n == 3 && (cp < 0x10000 || cp > 0x10FFFF)) || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += n + 1;
    }
    return true;
}

// The named text numbers of src/settings/TextIds.h: one
// `constexpr int kName = N;` per line, inside namespace MsgId or CapId.
struct NamedTextId {
    std::string space;
    std::string name;
    int id = 0;
};

inline std::vector<NamedTextId> parseTextIds(const std::string& header)
{
    static const std::regex kNamespace(R"(^\s*namespace\s+(\w+))");
    static const std::regex kConstant(R"(^\s*constexpr\s+int\s+(\w+)\s*=\s*(\d+)\s*;)");
    std::vector<NamedTextId> out;
    std::string space;
    std::istringstream in(header);
    std::smatch m;
    for (std::string line; std::getline(in, line);) {
        if (std::regex_search(line, m, kNamespace))
            space = m[1];
        else if (std::regex_search(line, m, kConstant))
            out.push_back({space, m[1], std::stoi(m[2])});
    }
    return out;
}

// The printf conversions of a text in order ("%d-%d MHz" gives "dd"); "%%"
// is no conversion.
inline std::string conversions(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '%') continue;
        std::size_t j = i + 1;
        if (text[j] == '%') { i = j; continue; }
        while (j < text.size() && std::string_view("-+ #0123456789.l").find(text[j]) != std::string_view::npos) ++j;
        if (j < text.size()) out += text[j];
        i = j;
    }
    return out;
}

}  // namespace shipped
