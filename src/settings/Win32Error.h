#pragma once
// Win32 helpers shared by the Windows implementations: UTF-8 paths as the
// wide strings the W calls take, and the system's text for an error code.
#include <windows.h>

#include <filesystem>
#include <string>

namespace win32 {

// Paths are UTF-8 throughout the program; the ANSI calls would read them in
// the machine's code page.
inline std::wstring widePath(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end())).wstring();
}

inline std::string utf8Path(const std::wstring& wide)
{
    const std::u8string s = std::filesystem::path(wide).u8string();
    return std::string(s.begin(), s.end());
}

inline std::string errorText(DWORD code)
{
    char* buf = nullptr;
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, code, 0, reinterpret_cast<char*>(&buf), 0, nullptr);
    std::string text = n && buf ? std::string(buf, n) : "error " + std::to_string(code);
    if (buf) LocalFree(buf);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    return text;
}

}  // namespace win32
