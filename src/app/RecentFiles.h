#pragma once
// The four most recently used codeplug files, newest first, kept in the
// "Recent File List" section of a settings file (keys File1 to File4).
#include <string>
#include <vector>

class RecentFiles {
public:
    static constexpr std::size_t kCapacity = 4;

    RecentFiles() = default;
    // Reads from `readPath`, writes to `writePath` (either may be empty: the
    // list then lives in memory only).
    RecentFiles(std::string readPath, std::string writePath);

    void load();
    // Moves `path` to the front (adding it when new); the oldest entry drops
    // off beyond four. Saves the list.
    void add(const std::string& path);
    // Removes entry `index`; false when there is none.
    bool remove(std::size_t index);

    const std::vector<std::string>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    // Entry `index`, empty when there is none.
    std::string at(std::size_t index) const { return index < entries_.size() ? entries_[index] : std::string(); }
    // Why the last save failed (empty when it worked).
    const std::string& lastError() const { return lastError_; }

private:
    void save();

    std::string readPath_;
    std::string writePath_;
    std::vector<std::string> entries_;
    std::string lastError_;
};
