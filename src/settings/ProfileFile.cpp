#include "settings/ProfileFile.h"

#include "settings/FileIO.h"

#include <climits>

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s)
{
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && (isBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

std::string lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool hasLineBreak(std::string_view s)
{
    return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

}  // namespace

int parseProfileInt(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    if (value < INT_MIN) value = INT_MIN;
    return static_cast<int>(value);
}

std::string truncateToBuffer(std::string_view text, std::size_t bufferSize)
{
    if (bufferSize == 0) return {};
    std::size_t limit = bufferSize - 1;
    if (text.size() <= limit) return std::string(text);
    std::size_t cut = limit;
    // Step back over continuation bytes so a multi-byte character is either
    // whole or gone.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return std::string(text.substr(0, cut));
}

bool ProfileFile::load(const std::string& path)
{
    std::string data;
    bool ok = readWholeFile(path, data);
    parse(data);
    return ok;
}

void ProfileFile::parse(std::string_view text)
{
    lines_.clear();
    bom_ = text.substr(0, kBom.size()) == kBom;
    if (bom_) text.remove_prefix(kBom.size());
    auto firstNl = text.find('\n');
    eol_ = (firstNl != std::string_view::npos && firstNl > 0 && text[firstNl - 1] == '\r') ? "\r\n" : "\n";
    while (!text.empty()) {
        auto nl = text.find('\n');
        std::size_t endAt = nl == std::string_view::npos ? text.size() : nl + 1;
        std::size_t textEnd = nl == std::string_view::npos ? text.size() : nl;
        while (textEnd > 0 && text[textEnd - 1] == '\r') --textEnd;
        lines_.push_back({std::string(text.substr(0, textEnd)), std::string(text.substr(textEnd, endAt - textEnd))});
        text.remove_prefix(endAt);
    }
    reindex();
}

void ProfileFile::breakAfter(std::size_t index)
{
    std::string& end = lines_[index].end;
    if (end.empty()) end = eol_;
    else if (end.back() != '\n') end += '\n';
}

void ProfileFile::reindex()
{
    sections_.clear();
    Section* current = nullptr;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::string_view line = trim(lines_[i].text);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            line.remove_prefix(1);
            line = trim(line.substr(0, line.find(']')));
            auto [it, inserted] = sections_.try_emplace(lower(line), Section{i, i, {}});
            // A repeated section name: the first one is the one that counts.
            current = inserted ? &it->second : nullptr;
            continue;
        }
        auto eq = line.find('=');
        if (!current || eq == std::string_view::npos) continue;
        std::string_view key = trim(line.substr(0, eq));
        if (key.empty()) continue;
        std::string_view value = trim(line.substr(eq + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        current->keys.try_emplace(lower(key), Entry{i, std::string(value)});
        current->lastKeyLine = i;
    }
}

const ProfileFile::Section* ProfileFile::findSection(std::string_view section) const
{
    auto it = sections_.find(lower(trim(section)));
    return it == sections_.end() ? nullptr : &it->second;
}

std::optional<std::string> ProfileFile::find(std::string_view section, std::string_view key) const
{
    const Section* s = findSection(section);
    if (!s) return std::nullopt;
    auto it = s->keys.find(lower(trim(key)));
    if (it == s->keys.end()) return std::nullopt;
    return it->second.value;
}

std::string ProfileFile::getString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue, std::size_t bufferSize) const
{
    auto value = find(section, key);
    return truncateToBuffer(value ? std::string_view(*value) : defaultValue, bufferSize);
}

int ProfileFile::getInt(std::string_view section, std::string_view key, int defaultValue) const
{
    auto value = find(section, key);
    if (!value || value->empty()) return defaultValue;
    return parseProfileInt(*value);
}

bool ProfileFile::hasSection(std::string_view section) const { return findSection(section) != nullptr; }

bool ProfileFile::setString(std::string_view section, std::string_view key, std::string_view value)
{
    section = trim(section);
    key = trim(key);
    if (section.empty() || key.empty() || hasLineBreak(section) || hasLineBreak(key) ||
        hasLineBreak(value) || section.find(']') != std::string_view::npos ||
        key.find('=') != std::string_view::npos || key.front() == '[' || key.front() == ';')
        return false;

    std::string newLine = std::string(key) + "=" + std::string(value);
    if (const Section* s = findSection(section)) {
        auto it = s->keys.find(lower(key));
        if (it != s->keys.end()) {
            // Keep the key's spelling and indentation as found.
            std::string& old = lines_[it->second.line].text;
            std::string head = old.substr(0, old.find('='));
            while (!head.empty() && isBlank(head.back())) head.pop_back();
            old = head + "=" + std::string(value);
        } else {
            const std::size_t after = s->lastKeyLine;
            // A line added after the last one takes over its lack of a final LF.
            std::string end = lines_[after].end.find('\n') == std::string::npos ? std::string() : eol_;
            breakAfter(after);
            lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after + 1), Line{newLine, end});
        }
    } else {
        if (!lines_.empty()) breakAfter(lines_.size() - 1);
        if (!lines_.empty() && !trim(lines_.back().text).empty()) lines_.push_back({"", eol_});
        lines_.push_back({"[" + std::string(section) + "]", eol_});
        lines_.push_back({newLine, eol_});
    }
    reindex();
    return true;
}

bool ProfileFile::setInt(std::string_view section, std::string_view key, int value)
{
    return setString(section, key, std::to_string(value));
}

std::string ProfileFile::text() const
{
    std::string out;
    if (bom_) out += kBom;
    for (const Line& line : lines_) {
        out += line.text;
        out += line.end;
    }
    return out;
}

bool ProfileFile::save(const std::string& path, std::string* error) const
{
    return writeFileAtomically(path, text(), error);
}

std::string readProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view defaultValue,
                              std::size_t bufferSize)
{
    ProfileFile file;
    file.load(path);
    return file.getString(section, key, defaultValue, bufferSize);
}

int readProfileInt(const std::string& path, std::string_view section, std::string_view key,
                   int defaultValue)
{
    ProfileFile file;
    file.load(path);
    return file.getInt(section, key, defaultValue);
}

bool writeProfileString(const std::string& readPath, const std::string& writePath,
                        std::string_view section, std::string_view key, std::string_view value,
                        std::string* error)
{
    ProfileFile file;
    if (!file.load(readPath) && pathExists(readPath)) {
        // Saving now would replace a file we could not read with one key.
        if (error) *error = "cannot read " + readPath;
        return false;
    }
    if (!file.setString(section, key, value)) {
        if (error) *error = "cannot store key " + std::string(key) + " in " + writePath;
        return false;
    }
    return file.save(writePath, error);
}
