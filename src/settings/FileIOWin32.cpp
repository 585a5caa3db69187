#include "settings/FileIO.h"

#include "settings/Win32Error.h"

#include <algorithm>
#include <atomic>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::string describe(const std::string& what, const std::string& path, DWORD err)
{
    return what + " " + path + ": " + win32::errorText(err);
}

std::string parentOf(const std::string& path)
{
    auto slash = path.find_last_of("/\\");
    if (slash == std::string::npos) return ".";
    if (slash == 0 || (slash == 2 && path[1] == ':')) return path.substr(0, slash + 1);  // "\" or "C:\"
    return path.substr(0, slash);
}

bool writeAll(HANDLE h, std::string_view data)
{
    while (!data.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size(), 1u << 20));
        DWORD n = 0;
        if (!WriteFile(h, data.data(), chunk, &n, nullptr) || n == 0) return false;
        data.remove_prefix(n);
    }
    return true;
}

// A name beside the target that no other writer picks at the same time.
std::string temporaryName(const std::string& path)
{
    static std::atomic<unsigned> counter{0};
    return path + ".tmp" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(counter++);
}

}  // namespace

bool pathExists(const std::string& path)
{
    return !path.empty() && GetFileAttributesW(win32::widePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool makeDirectories(const std::string& dir)
{
    if (dir.empty()) return false;
    std::error_code ec;
    const fs::path p(win32::widePath(dir));
    fs::create_directories(p, ec);
    return fs::is_directory(p, ec);
}

bool isWritableDirectory(const std::string& dir)
{
    // Windows has no access(W_OK) for folders: try what a save would do.
    const std::string folder = dir.empty() ? std::string(".\\") : dir;
    const std::string probe = temporaryName(folder + (folder.back() == '/' || folder.back() == '\\' ? "" : "\\") + ".qav-write-test");
    HANDLE h = CreateFileW(win32::widePath(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
}

bool writeFileAtomically(const std::string& path, std::string_view data, std::string* error)
{
    auto fail = [&](const std::string& what, const std::string& p, DWORD err) {
        if (error) *error = describe(what, p, err);
        return false;
    };

    std::string dir = parentOf(path);
    if (!makeDirectories(dir)) return fail("cannot create folder", dir, GetLastError());

    const std::wstring target = win32::widePath(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return fail("cannot write", path, ERROR_DIRECTORY);

    const std::string tmp = temporaryName(path);
    const std::wstring wideTmp = win32::widePath(tmp);
    HANDLE h = CreateFileW(wideTmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return fail("cannot create a temporary file for", path, GetLastError());

    bool failed = false;
    DWORD err = 0;
    auto step = [&](bool ok) {
        if (!failed && !ok) {
            failed = true;
            err = GetLastError();
        }
    };
    step(writeAll(h, data));
    step(FlushFileBuffers(h));
    step(CloseHandle(h));
    // The replacement is one rename: the old file stays whole until the new
    // one is complete on disk.
    if (!failed)
        step(MoveFileExW(wideTmp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    if (failed) {
        DeleteFileW(wideTmp.c_str());
        return fail("cannot write", path, err ? err : ERROR_WRITE_FAULT);
    }
    return true;
}
