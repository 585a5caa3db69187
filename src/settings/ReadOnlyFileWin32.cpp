#include "settings/ReadOnlyFile.h"

#include "settings/Win32Error.h"

#include <algorithm>

namespace {

HANDLE handleOf(std::intptr_t h) { return reinterpret_cast<HANDLE>(h); }

}  // namespace

ReadOnlyFile::ReadOnlyFile(const std::string& path)
{
    HANDLE h = CreateFileW(win32::widePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        m_error = win32::errorText(GetLastError());
        return;
    }
    m_handle = reinterpret_cast<std::intptr_t>(h);
    LARGE_INTEGER size{};
    if (GetFileType(h) != FILE_TYPE_DISK || !GetFileSizeEx(h, &size) || size.QuadPart < 0) {
        m_error = "not a regular file";
        return;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileInformationByHandle(h, &info) && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        m_error = "not a regular file";
        return;
    }
    m_size = static_cast<std::uint64_t>(size.QuadPart);
}

ReadOnlyFile::~ReadOnlyFile()
{
    if (m_handle != -1) CloseHandle(handleOf(m_handle));
}

bool ReadOnlyFile::readAt(std::uint64_t offset, void* out, std::size_t count)
{
    if (!ok() || offset > m_size || m_size - offset < count) return false;
    auto* p = static_cast<char*>(out);
    std::size_t done = 0;
    while (done < count) {
        const std::uint64_t at = offset + done;
        OVERLAPPED where{};
        where.Offset = static_cast<DWORD>(at & 0xFFFFFFFFu);
        where.OffsetHigh = static_cast<DWORD>(at >> 32);
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(count - done, 1u << 20));
        DWORD got = 0;
        if (!ReadFile(handleOf(m_handle), p + done, want, &got, &where) || got == 0) return false;
        done += got;
    }
    return true;
}
