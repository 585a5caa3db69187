#include "app/RecentFiles.h"

#include "settings/FileIO.h"
#include "settings/ProfileFile.h"

#include <algorithm>

namespace {
constexpr const char* kSection = "Recent File List";

std::string keyOf(std::size_t i) { return "File" + std::to_string(i + 1); }
}  // namespace

RecentFiles::RecentFiles(std::string readPath, std::string writePath)
    : readPath_(std::move(readPath)), writePath_(std::move(writePath))
{
    load();
}

void RecentFiles::load()
{
    entries_.clear();
    if (readPath_.empty()) return;
    ProfileFile file;
    file.load(readPath_);
    for (std::size_t i = 0; i < kCapacity; ++i) {
        const std::string path = file.getString(kSection, keyOf(i), "", ProfileBuffer::kLong);
        if (!path.empty() && std::find(entries_.begin(), entries_.end(), path) == entries_.end()) entries_.push_back(path);
    }
}

void RecentFiles::add(const std::string& path)
{
    if (path.empty()) return;
    entries_.erase(std::remove(entries_.begin(), entries_.end(), path), entries_.end());
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > kCapacity) entries_.resize(kCapacity);
    save();
}

bool RecentFiles::remove(std::size_t index)
{
    if (index >= entries_.size()) return false;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
    save();
    return true;
}

void RecentFiles::save()
{
    lastError_.clear();
    if (writePath_.empty()) return;
    // Start from the file as it is now, so the other settings stay untouched.
    // A file that is there but cannot be read would be replaced by the list
    // alone: keep it and report instead.
    const std::string& source = pathExists(writePath_) || readPath_.empty() ? writePath_ : readPath_;
    ProfileFile file;
    if (!file.load(source) && pathExists(source)) {
        lastError_ = "cannot read " + source;
        return;
    }
    bool ok = true;
    for (std::size_t i = 0; i < kCapacity; ++i) ok = file.setString(kSection, keyOf(i), at(i)) && ok;
    if (!ok) lastError_ = "a file name cannot be stored in " + writePath_;
    std::string error;
    if (!file.save(writePath_, &error)) lastError_ = error.empty() ? "cannot write " + writePath_ : error;
}
