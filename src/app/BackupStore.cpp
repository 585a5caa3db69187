#include "app/BackupStore.h"

#include "model/CodeplugFile.h"
#include "model/RadioInfoRecord.h"
#include "settings/CalendarTime.h"
#include "settings/FileIO.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <mutex>

namespace {

constexpr const char* kSuffix = ".qav";

std::string stamp(std::time_t t, const char* format)
{
    std::tm parts{};
    localCalendarTime(t, parts);
    char buf[32];
    std::strftime(buf, sizeof buf, format, &parts);
    return buf;
}

// "20261208-143005_read_SN1.qav" -> its parts; false for other names.
bool parseName(const std::string& path, BackupEntry& e)
{
    const std::string name = std::filesystem::path(path).filename().string();
    if (name.size() < 17 + 4 || name.compare(name.size() - 4, 4, kSuffix) != 0 || name[8] != '-' || name[15] != '_')
        return false;
    const std::string rest = name.substr(16, name.size() - 16 - 4);
    const auto sep = rest.find('_');
    if (sep == std::string::npos) return false;
    e.path = path;
    e.time = name.substr(0, 4) + "-" + name.substr(4, 2) + "-" + name.substr(6, 2) + " " + name.substr(9, 2) + ":" +
             name.substr(11, 2) + ":" + name.substr(13, 2);
    e.kind = rest.substr(0, sep);
    e.serial = rest.substr(sep + 1);
    // A second backup within the same second carries "~N" after the serial.
    if (const auto tilde = e.serial.rfind('~'); tilde != std::string::npos) e.serial.erase(tilde);
    return true;
}

}  // namespace

std::string imageSerial(const ImageBytes& image)
{
    const std::size_t at = mapEntry(Section::RadioInfo).image + RadioInfoField::Serial;
    std::string serial;
    for (std::size_t i = 0; i < RadioInfoField::kSerialLength; ++i) {
        const unsigned char c = image[at + i];
        if (c == 0 || c == 0xFF) break;
        serial += std::isalnum(c) || c == '-' ? static_cast<char>(c) : '_';
    }
    // Blank serial fields hold dashes or nothing.
    if (serial.find_first_not_of("-_") == std::string::npos) return "unknown";
    return serial;
}

BackupStore::BackupStore(std::string dir, int limit, std::function<std::time_t()> now)
    : dir_(std::move(dir)), limit_(std::max(limit, 1)), now_(std::move(now))
{
}

BackupResult BackupStore::keep(const char* kind, const CodeplugHeader& header, const ImageBytes& image)
{
    BackupResult r;
    r.attempted = true;
    if (dir_.empty()) {
        #ifdef _WIN32
        r.reason = "no folder for backups (APPDATA is not set)";
#else
        r.reason = "no folder for backups (HOME is not set)";
#endif
        return r;
    }
    // Radios programmed at once back up from several threads, each with a
    // store of its own; fleets of new radios share the blank serial number,
    // so choosing a free name, writing and pruning happen one at a time.
    static std::mutex choosing;
    const std::lock_guard<std::mutex> lock(choosing);
    const std::time_t t = now_();
    const std::string serial = imageSerial(image);
    std::string path = dir_ + stamp(t, "%Y%m%d-%H%M%S") + "_" + kind + "_" + serial + kSuffix;
    for (int n = 2; pathExists(path) && n < 100; ++n)
        path = dir_ + stamp(t, "%Y%m%d-%H%M%S") + "_" + kind + "_" + serial + "~" + std::to_string(n) + kSuffix;
    const std::string info = std::string(kind == std::string("read") ? "Read from" : "Written to") +
                             " radio " + serial + " on " + stamp(t, "%Y-%m-%d %H:%M:%S");
    try {
        if (!makeDirectories(dir_)) {
            r.reason = dir_ + ": cannot create the backup folder";
            return r;
        }
        CCodeplugFile file;
        if (!file.setHeader(header)) {
            r.reason = "the header was refused";
            return r;
        }
        std::string error;
        if (!writeFileAtomically(path, file.serialize(info, image), &error)) {
            r.reason = error;
            return r;
        }
        prune(serial);
    } catch (const std::exception& e) {
        r.reason = e.what();
        return r;
    }
    r.ok = true;
    r.path = path;
    return r;
}

std::vector<BackupEntry> BackupStore::list() const
{
    std::vector<BackupEntry> out;
    if (dir_.empty()) return out;
    for (const std::string& path : filesIn(dir_, kSuffix)) {
        BackupEntry e;
        if (parseName(path, e)) out.push_back(e);
    }
    // Names start with the time, so the newest sort last by name.
    std::sort(out.begin(), out.end(), [](const BackupEntry& a, const BackupEntry& b) { return a.path > b.path; });
    return out;
}

void BackupStore::prune(const std::string& serial) const
{
    int kept = 0;
    for (const BackupEntry& e : list()) {
        if (e.serial != serial) continue;
        if (++kept <= limit_) continue;
        std::error_code ec;
        std::filesystem::remove(e.path, ec);  // one that cannot go stays; the next backup tries again
    }
}
