#include "settings/FileIO.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string describe(const std::string& what, const std::string& path, int err)
{
    return what + " " + path + ": " + std::strerror(err);
}

std::string parentOf(const std::string& path)
{
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool writeAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

bool pathExists(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool makeDirectories(const std::string& dir)
{
    if (dir.empty()) return false;
    struct stat st {};
    if (::stat(dir.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    std::string parent = parentOf(dir);
    if (parent != dir && !makeDirectories(parent)) return false;
    if (::mkdir(dir.c_str(), 0755) == 0 || errno == EEXIST) return true;
    return false;
}

bool writeFileAtomically(const std::string& pathIn, std::string_view data, std::string* error)
{
    auto fail = [&](const std::string& what, const std::string& p, int err) {
        if (error) *error = describe(what, p, err);
        return false;
    };

    // Replace the target of a symbolic link, not the link itself.
    std::string path = pathIn;
    struct stat lst {};
    if (::lstat(path.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved)) path = resolved;
    }

    std::string dir = parentOf(path);
    if (!makeDirectories(dir)) return fail("cannot create folder", dir, errno);

    mode_t mode = 0644;
    struct stat st {};
    bool existed = ::stat(path.c_str(), &st) == 0;
    if (existed) {
        if (S_ISDIR(st.st_mode)) return fail("cannot write", path, EISDIR);
        mode = st.st_mode & 07777;
    }

    std::string tmp = path + ".XXXXXX";
    int fd = ::mkstemp(tmp.data());
    if (fd < 0) return fail("cannot create a temporary file for", path, errno);

    int err = 0;
    if (!writeAll(fd, data)) err = errno;
    if (!err && ::fchmod(fd, mode) != 0) err = errno;
    if (!err && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && !err) err = errno;
    if (!err && ::rename(tmp.c_str(), path.c_str()) != 0) err = errno;
    if (err) {
        ::unlink(tmp.c_str());
        return fail("cannot write", path, err);
    }
    return true;
}

bool isWritableDirectory(const std::string& dir)
{
    return ::access((dir.empty() ? std::string(".") : dir).c_str(), W_OK) == 0;
}
