#include "link/SerialPort.h"

#include <windows.h>

#include <algorithm>
#include <chrono>

namespace {

HANDLE handleOf(std::intptr_t h) { return reinterpret_cast<HANDLE>(h); }

std::wstring wide(const std::string& name) { return std::wstring(name.begin(), name.end()); }

}  // namespace

bool CSerialPort::isOpen() const { return m_handle != kClosed; }

CSerialPort::~CSerialPort()
{
    close();
}

bool CSerialPort::open(const std::string& deviceName)
{
    close();
    // Share mode 0: no other program may have the port while we do.
    HANDLE h = CreateFileW(wide(deviceName).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    // Only a communications device answers GetCommState (NUL, a console
    // or a printer port do not).
    DCB probe{};
    probe.DCBlength = sizeof probe;
    if (GetFileType(h) != FILE_TYPE_CHAR || !GetCommState(h, &probe)) {
        CloseHandle(h);
        return false;
    }
    m_handle = reinterpret_cast<std::intptr_t>(h);
    m_name = deviceName;
    // DTR powers the cable's level shifter: raise it before anything else.
    EscapeCommFunction(h, SETDTR);
    SetupComm(h, 4096, 4096);
    // ReadFile returns at once with what is queued: read() does the
    // waiting. A write may take as long as its bytes need on the line, plus
    // a second, but never hangs on a stuck driver.
    COMMTIMEOUTS t{};
    GetCommTimeouts(h, &t);
    t.ReadIntervalTimeout = MAXDWORD;
    t.ReadTotalTimeoutMultiplier = 0;
    t.ReadTotalTimeoutConstant = 0;
    t.WriteTotalTimeoutMultiplier = 1;
    t.WriteTotalTimeoutConstant = 1000;
    SetCommTimeouts(h, &t);
    return true;
}

bool CSerialPort::close()
{
    if (m_handle == kClosed) return true;
    if (!CloseHandle(handleOf(m_handle))) return false;
    m_handle = kClosed;
    m_name.clear();
    return true;
}

bool CSerialPort::setLine(int baud, int dataBits, Parity parity, StopBits stopBits)
{
    if (m_handle == kClosed) return false;
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(handleOf(m_handle), &dcb)) return false;
    // Start from nothing, so no setting survives from the driver or from an
    // earlier program.
    dcb = DCB{};
    dcb.DCBlength = sizeof dcb;
    dcb.BaudRate = static_cast<DWORD>(baud);
    dcb.fBinary = 1;
    // Parity is checked on input, so a damaged byte fails its read as it
    // does on the other platforms, instead of reaching the checksum.
    dcb.fParity = parity != Parity::None ? 1 : 0;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.XonLim = 2048;
    dcb.XoffLim = 512;
    dcb.ByteSize = static_cast<BYTE>(dataBits);
    dcb.Parity = static_cast<BYTE>(parity);      // 0 none, 1 odd, 2 even: the Win32 codes
    dcb.StopBits = static_cast<BYTE>(stopBits);  // 0 one, 1 one and a half, 2 two
    dcb.XonChar = 0x11;
    dcb.XoffChar = 0x13;
    return SetCommState(handleOf(m_handle), &dcb) != 0;
}

void CSerialPort::purge()
{
    if (m_handle == kClosed) return;
    DWORD errors = 0;
    COMSTAT status{};
    ClearCommError(handleOf(m_handle), &errors, &status);  // drops a pending line error
    PurgeComm(handleOf(m_handle), PURGE_RXCLEAR);
}

std::size_t CSerialPort::write(const std::uint8_t* data, std::size_t count)
{
    if (m_handle == kClosed) return 0;
    std::size_t done = 0;
    while (done < count) {
        DWORD n = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count - done, 65536));
        if (!WriteFile(handleOf(m_handle), data + done, chunk, &n, nullptr) || n == 0) return 0;
        done += n;
    }
    return done;
}

std::size_t CSerialPort::read(std::uint8_t* data, std::size_t count)
{
    using Clock = std::chrono::steady_clock;
    m_timedOut = false;
    if (m_handle == kClosed) return 0;
    HANDLE h = handleOf(m_handle);
    const auto deadline = Clock::now() + std::chrono::milliseconds(m_readTimeoutMs);
    for (;;) {
        DWORD errors = 0;
        COMSTAT status{};
        if (!ClearCommError(h, &errors, &status)) return 0;  // the device went away
        if (errors != 0) return 0;  // parity, framing, overrun or another line error
        if (status.cbInQue >= count) break;
        if (m_readTimeoutMs != 0 && Clock::now() >= deadline) {
            m_timedOut = true;
            break;
        }
        // The queue is polled every millisecond (the link asks Windows for
        // a 1 ms timer while a session runs): short enough for the radio's
        // 10 ms pauses, without spinning a core.
        Sleep(1);
    }
    DWORD got = 0;
    if (!ReadFile(h, data, static_cast<DWORD>(count), &got, nullptr)) return 0;
    return got;
}
