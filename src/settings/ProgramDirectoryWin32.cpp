#include "settings/ProgramDirectory.h"

#include "settings/Win32Error.h"

#include <vector>

std::string executableDirectory()
{
    // Long paths: grow the buffer until the name fits.
    std::vector<wchar_t> buf(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0) return ".\\";
        if (n < buf.size()) {
            const std::string path = win32::utf8Path(std::wstring(buf.data(), n));
            return path.substr(0, path.find_last_of("\\/") + 1);
        }
        if (buf.size() >= 32768) return ".\\";
        buf.resize(buf.size() * 2);
    }
}

// The roaming application-data folder, where Windows programs keep their
// settings: %APPDATA%\qav-cps\.
std::string userConfigDirectory()
{
    const DWORD n = GetEnvironmentVariableW(L"APPDATA", nullptr, 0);
    if (n <= 1) return {};
    std::wstring value(n, L'\0');
    const DWORD got = GetEnvironmentVariableW(L"APPDATA", value.data(), n);
    if (got == 0 || got >= n) return {};
    value.resize(got);
    return withTrailingSlash(win32::utf8Path(value)) + "qav-cps\\";
}

std::string userDataDirectory() { return userConfigDirectory(); }
