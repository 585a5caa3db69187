#include "settings/ProgramDirectory.h"

#include "settings/FileIO.h"

#include <cstdlib>
#include <filesystem>
#include <mutex>

namespace {

std::mutex overrideMutex;
std::string overrideDir;

bool exists(const std::string& path) { return pathExists(path); }

}  // namespace

std::string withTrailingSlash(std::string dir)
{
    if (!dir.empty() && dir.back() != '/' && dir.back() != kPathSeparator) dir += kPathSeparator;
    return dir;
}

void setProgramDirectoryOverride(const std::string& dir)
{
    std::lock_guard lock(overrideMutex);
    overrideDir = withTrailingSlash(dir);
}

namespace {

bool holdsData(const std::string& dir)
{
    return exists(dir + "Model.dat") || exists(dir + "QAV_E.lng");
}

}  // namespace

ProgramDirectoryLookup locateProgramDirectory(const std::string& overrideDir, const std::string& envHome,
                                              const std::string& exeDir)
{
    ProgramDirectoryLookup r;
    if (!overrideDir.empty() || !envHome.empty()) {
        r.dir = withTrailingSlash(overrideDir.empty() ? envHome : overrideDir);
        r.searched = {r.dir};
        r.chosen = true;
        return r;
    }
    const std::string beside = withTrailingSlash(exeDir);
    const std::string shared =
        withTrailingSlash(std::filesystem::path(beside + "../share/qav/").lexically_normal().string());
    r.searched = {beside, shared};
    if (holdsData(beside)) r.dir = beside;
    else if (holdsData(shared)) r.dir = shared;
    else r.dir = beside;
    return r;
}

ProgramDirectoryLookup locateProgramDirectory()
{
    std::string overrideCopy;
    {
        std::lock_guard lock(overrideMutex);
        overrideCopy = overrideDir;
    }
    const char* home = std::getenv("QAV_HOME");
    return locateProgramDirectory(overrideCopy, home ? home : "", executableDirectory());
}

std::string programDirectory()
{
    return locateProgramDirectory().dir;
}

const std::vector<std::string>& essentialDataFiles()
{
    static const std::vector<std::string> files{"Model.dat", "QAV_E.lng"};
    return files;
}

std::vector<std::string> missingDataFiles(const std::string& dir)
{
    std::vector<std::string> missing;
    for (const std::string& f : essentialDataFiles())
        if (!exists(withTrailingSlash(dir) + f)) missing.push_back(f);
    return missing;
}

std::string missingDataMessage(const ProgramDirectoryLookup& lookup)
{
    const std::vector<std::string> missing = missingDataFiles(lookup.dir);
    if (missing.empty()) return {};
    std::string files;
    for (const std::string& f : missing) files += (files.empty() ? "" : ", ") + f;
    std::string where;
    for (const std::string& d : lookup.searched) where += (where.empty() ? "" : " or ") + d;
    std::string text = "the data files " + files + " are missing (looked in " + where + "). ";
    if (lookup.chosen)
        return text + "Put them into that folder, or name the folder that holds them with --home DIR or QAV_HOME.";
    return text + "Reinstall the program, or name the folder that holds them with --home DIR or QAV_HOME.";
}

ConfigLocations::ConfigLocations(std::string programDir, std::string userDir)
    : programDir_(withTrailingSlash(std::move(programDir))), userDir_(withTrailingSlash(std::move(userDir)))
{
}

bool ConfigLocations::programDirWritable() const
{
    if (writableOverride_ >= 0) return writableOverride_ == 1;
    return isWritableDirectory(programDir_);
}

std::string ConfigLocations::readPath(const std::string& name) const
{
    if (!programDirWritable() && !userDir_.empty() && exists(userDir_ + name)) return userDir_ + name;
    return programDir_ + name;
}

std::string ConfigLocations::writePath(const std::string& name) const
{
    if (programDirWritable() || userDir_.empty()) return programDir_ + name;
    return userDir_ + name;
}
