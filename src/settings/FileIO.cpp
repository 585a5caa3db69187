#include "settings/FileIO.h"

#include "settings/ReadOnlyFile.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// Paths are UTF-8 throughout the program, whatever the platform's own
// narrow encoding is.
fs::path fsPath(const std::string& utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8Name(const fs::path& p)
{
    const std::u8string s = p.filename().u8string();
    return std::string(s.begin(), s.end());
}

}  // namespace

bool readWholeFile(const std::string& path, std::string& out, std::size_t maxBytes)
{
    out.clear();
    ReadOnlyFile file(path);
    if (!file.ok() || file.size() > maxBytes) return false;
    std::string data(static_cast<std::size_t>(file.size()), '\0');
    if (!data.empty() && !file.readAt(0, data.data(), data.size())) return false;
    out = std::move(data);
    return true;
}

bool isRegularFile(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(fsPath(path), ec);
}

std::vector<std::string> filesIn(const std::string& dir, const std::string& suffix)
{
    std::vector<std::string> files;
    std::error_code ec;
    for (fs::directory_iterator it(dir.empty() ? fs::path(".") : fsPath(dir), ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = utf8Name(it->path());
        if (name.empty() || name[0] == '.' || name.size() < suffix.size() ||
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        if (isRegularFile(dir + name)) files.push_back(dir + name);
    }
    return files;
}
