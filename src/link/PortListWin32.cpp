#include "link/PortList.h"

#include <windows.h>

#include <set>

namespace {

// The ports Windows has announced: one value per port under
// HARDWARE\DEVICEMAP\SERIALCOMM, whose data is the port's name ("COM3").
// False when the key cannot be read.
bool registryPorts(std::set<int>& numbers)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    for (DWORD i = 0;; ++i) {
        wchar_t value[256];
        DWORD valueLen = 256;
        wchar_t data[64] = {};
        DWORD dataLen = sizeof data - sizeof(wchar_t);
        DWORD type = 0;
        const LONG r = RegEnumValueW(key, i, value, &valueLen, nullptr, &type, reinterpret_cast<BYTE*>(data), &dataLen);
        if (r == ERROR_NO_MORE_ITEMS) break;
        if (r != ERROR_SUCCESS || type != REG_SZ) continue;
        std::string name;
        for (const wchar_t* p = data; *p && name.size() < 16; ++p) name += static_cast<char>(*p < 128 ? *p : '?');
        if (int n = PortList::comPortNumber(name)) numbers.insert(n);
    }
    RegCloseKey(key);
    return true;
}

// A port exists when it opens, or when another program holds it.
bool portResponds(int number)
{
    const std::string device = PortList::windowsDeviceName(number);
    const std::wstring wide(device.begin(), device.end());
    HANDLE h = CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        CloseHandle(h);
        return true;
    }
    const DWORD err = GetLastError();
    return err == ERROR_ACCESS_DENIED || err == ERROR_SHARING_VIOLATION;
}

}  // namespace

namespace PortList {

std::vector<std::string> devices()
{
    std::set<int> numbers;
    if (!registryPorts(numbers) || numbers.empty())
        for (int n = kFirstPort; n <= kLastPort; ++n)
            if (portResponds(n)) numbers.insert(n);
    std::vector<std::string> out;
    for (int n : numbers) out.push_back(windowsDeviceName(n));
    return out;
}

// Windows names a port by its number, so the name needs no listing: a port
// that is not there fails to open.
std::string deviceOf(int number) { return windowsDeviceName(number); }

}  // namespace PortList
