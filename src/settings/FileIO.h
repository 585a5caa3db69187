#pragma once
// Whole-file reads and atomic whole-file writes for the small text files the
// program keeps (settings, model database, language files).
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Files larger than this are refused by readWholeFile: no text file of the
// program comes near it, and an accidental multi-gigabyte file must not be
// pulled into memory.
constexpr std::size_t kMaxTextFileBytes = 16u * 1024u * 1024u;

// Reads the whole file into `out`. False (and `out` empty) when the file is
// missing, unreadable, not a regular file or larger than `maxBytes`.
bool readWholeFile(const std::string& path, std::string& out,
                   std::size_t maxBytes = kMaxTextFileBytes);

// Replaces the file at `path` with `data`: writes a temporary file in the same
// folder, flushes it to disk and renames it over the old one, so a failure at
// any point leaves the previous file intact. A symbolic link is followed and
// its target replaced. The parent folder is created when missing. On failure
// returns false and, when `error` is given, says which file and why.
bool writeFileAtomically(const std::string& path, std::string_view data,
                         std::string* error = nullptr);

// True when something exists at `path` (even if it cannot be read).
bool pathExists(const std::string& path);

// Creates `dir` and its missing parents (mode 0755). True when it exists afterwards.
bool makeDirectories(const std::string& dir);

// True when `path` is a regular file (a link to one counts).
bool isRegularFile(const std::string& path);

// The regular files of `dir` whose names end with `suffix`, as `dir` + name,
// in the order the file system lists them; names starting with "." are left
// out. `dir` ends with a separator or is empty (the current folder).
std::vector<std::string> filesIn(const std::string& dir, const std::string& suffix);

// Whether this process may create files in `dir`.
bool isWritableDirectory(const std::string& dir);
