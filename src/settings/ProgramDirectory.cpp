#include "settings/ProgramDirectory.h"

#include "settings/FileIO.h"

#include <cstdlib>
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

std::string programDirectory()
{
    {
        std::lock_guard lock(overrideMutex);
        if (!overrideDir.empty()) return overrideDir;
    }
    if (const char* home = std::getenv("QAV_HOME"); home && *home) return withTrailingSlash(home);
    std::string exeDir = executableDirectory();
    if (!exists(exeDir + "Model.dat") && !exists(exeDir + "QAV_E.lng")) {
        std::string shared = exeDir + "../share/qav-cps/";
        if (exists(shared + "Model.dat")) return shared;
    }
    return exeDir;
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
