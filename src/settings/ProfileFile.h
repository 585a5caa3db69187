#pragma once
// An INI file with the semantics of the classic private-profile calls:
// section and key names compare without regard to case, the first section and
// the first key of a name win, a missing key gives the caller's default,
// values are cut to the caller's buffer size (terminator included), integers
// are read from leading blanks, an optional sign and the digits up to the
// first non-digit. Writing changes only the line concerned and keeps every
// other line (comments and line ends included) byte for byte; saving is
// atomic.
//
// Files are UTF-8; a byte-order mark is accepted and kept. The input is not
// trusted: any bytes load without harm.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Buffer sizes (terminator included) that the callers read values with.
namespace ProfileBuffer {
constexpr std::size_t kShort = 100;     // settings, language name, Freq entries
constexpr std::size_t kMessage = 256;   // message and identifier texts
constexpr std::size_t kList = 1024;     // Model.dat model lists
constexpr std::size_t kLong = 25600;    // caption texts and list definitions
}  // namespace ProfileBuffer

// Reads an integer the way the private-profile calls do: leading blanks, an
// optional sign, then decimal digits up to the first other character. No
// digits gives 0; values beyond the int range are clamped.
int parseProfileInt(std::string_view text);

// Cuts `text` to at most `bufferSize - 1` bytes without splitting a UTF-8
// sequence.
std::string truncateToBuffer(std::string_view text, std::size_t bufferSize);

class ProfileFile {
public:
    ProfileFile() = default;

    // Loads the file. A missing or unreadable file gives an empty document
    // and false.
    bool load(const std::string& path);
    void parse(std::string_view text);

    // The value of `key` in `section`, or nullopt when absent. Not truncated.
    std::optional<std::string> find(std::string_view section, std::string_view key) const;

    std::string getString(std::string_view section, std::string_view key,
                          std::string_view defaultValue, std::size_t bufferSize) const;
    int getInt(std::string_view section, std::string_view key, int defaultValue) const;
    bool hasSection(std::string_view section) const;

    // Sets `key` in `section`, adding the key or the section when missing.
    // Refuses (false) names and values that would break the line structure:
    // line breaks anywhere, "]" in a section name, "=" in a key, an empty key.
    bool setString(std::string_view section, std::string_view key, std::string_view value);
    bool setInt(std::string_view section, std::string_view key, int value);

    // The document as it would be saved.
    std::string text() const;

    // Writes the document atomically (see writeFileAtomically).
    bool save(const std::string& path, std::string* error = nullptr) const;

private:
    struct Entry {
        std::size_t line;     // index into lines_
        std::string value;    // trimmed, quotes removed
    };
    struct Section {
        std::size_t headerLine;
        std::size_t lastKeyLine;  // header line when the section has no key yet
        std::unordered_map<std::string, Entry> keys;  // by lower-case name
    };

    // A line's text and, apart, the bytes that ended it: the carriage
    // returns before its LF and the LF itself ("" or CRs only for a last
    // line without LF). Keeping the end as found lets a file with mixed or
    // odd line ends come back unchanged except for the line that was set.
    struct Line {
        std::string text;
        std::string end;
    };

    void reindex();
    const Section* findSection(std::string_view section) const;
    // Makes sure line `index` ends with a LF, so another line can follow.
    void breakAfter(std::size_t index);

    std::vector<Line> lines_;
    std::string eol_ = "\n";  // the end given to new lines: the first line's style
    bool bom_ = false;
    std::unordered_map<std::string, Section> sections_;  // by lower-case name
};

// One-shot calls in the manner of the platform functions: each reads the file
// afresh. The write loads `readPath` (which may be a different file: see the
// user configuration folder), changes the key and saves to `writePath`.
std::string readProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view defaultValue,
                              std::size_t bufferSize);
int readProfileInt(const std::string& path, std::string_view section, std::string_view key,
                   int defaultValue);
bool writeProfileString(const std::string& readPath, const std::string& writePath,
                        std::string_view section, std::string_view key, std::string_view value,
                        std::string* error = nullptr);
