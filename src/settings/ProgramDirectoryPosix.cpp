#include "settings/ProgramDirectory.h"

#include <climits>
#include <cstdlib>
#include <unistd.h>

std::string executableDirectory()
{
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "./";
    std::string path(buf, static_cast<std::size_t>(n));
    return path.substr(0, path.find_last_of('/') + 1);
}

std::string userConfigDirectory()
{
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        return withTrailingSlash(xdg) + "qav-cps/";
    if (const char* home = std::getenv("HOME"); home && *home)
        return withTrailingSlash(home) + ".config/qav-cps/";
    return {};
}

std::string userDataDirectory()
{
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/')
        return withTrailingSlash(xdg) + "qav-cps/";
    if (const char* home = std::getenv("HOME"); home && *home)
        return withTrailingSlash(home) + ".local/share/qav-cps/";
    return {};
}
