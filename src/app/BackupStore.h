#pragma once
// Every image read from a radio and every image written to one, kept as a
// codeplug file in the user's data folder, so a write that went wrong can be
// undone. File names carry the time, the direction and the radio's serial
// number ("20261208-143005_read_SN12345.qav"); the newest `limit` files of
// each radio are kept, older ones removed.
#include "model/CodeplugFileHeader.h"
#include "model/RecordPlacement.h"

#include <ctime>
#include <functional>
#include <string>
#include <vector>

struct BackupEntry {
    std::string path;
    std::string time;    // "2026-12-08 14:30:05", local time
    std::string kind;    // "read" or "write"
    std::string serial;  // as in the file name ("unknown" when the image had none)
    bool operator==(const BackupEntry&) const = default;
};

struct BackupResult {
    bool attempted = false;
    bool ok = false;
    std::string path;    // the backup file on success
    std::string reason;  // why it could not be written
};

class BackupStore {
public:
    static constexpr int kDefaultLimit = 50;

    // `dir` ends with a separator; `now` gives the time stamps (tests fix it).
    explicit BackupStore(std::string dir, int limit = kDefaultLimit,
                         std::function<std::time_t()> now = [] { return std::time(nullptr); });

    // Writes the image atomically with its header and an information text
    // naming the direction, time and serial number, then prunes the radio's
    // older backups. Never throws; a failure (full disk, no folder) is in
    // the result and leaves existing backups alone.
    BackupResult keep(const char* kind, const CodeplugHeader& header, const ImageBytes& image);

    // Newest first.
    std::vector<BackupEntry> list() const;

    const std::string& directory() const { return dir_; }
    int limit() const { return limit_; }

private:
    void prune(const std::string& serial) const;

    std::string dir_;
    int limit_;
    std::function<std::time_t()> now_;
};

// The serial number the radio information of an image holds, with anything
// but letters, digits, '-' and '_' made '_'; "unknown" when it is blank.
std::string imageSerial(const ImageBytes& image);
