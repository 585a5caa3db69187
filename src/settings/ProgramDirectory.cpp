#include "settings/ProgramDirectory.h"

#include <climits>
#include <cstdlib>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::mutex overrideMutex;
std::string overrideDir;

bool exists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

std::string executableDirectory()
{
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "./";
    std::string path(buf, static_cast<std::size_t>(n));
    return path.substr(0, path.find_last_of('/') + 1);
}

}  // namespace

std::string withTrailingSlash(std::string dir)
{
    if (!dir.empty() && dir.back() != '/') dir += '/';
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

std::string userConfigDirectory()
{
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        return withTrailingSlash(xdg) + "qav-cps/";
    if (const char* home = std::getenv("HOME"); home && *home)
        return withTrailingSlash(home) + ".config/qav-cps/";
    return {};
}

ConfigLocations::ConfigLocations(std::string programDir, std::string userDir)
    : programDir_(withTrailingSlash(std::move(programDir))), userDir_(withTrailingSlash(std::move(userDir)))
{
}

bool ConfigLocations::programDirWritable() const
{
    if (writableOverride_ >= 0) return writableOverride_ == 1;
    return ::access((programDir_.empty() ? std::string(".") : programDir_).c_str(), W_OK) == 0;
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
