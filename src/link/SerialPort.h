#pragma once
// CSerialPort: the serial port of this platform behind the transport
// interface, opened exclusively by device name (a path such as /dev/ttyUSB0,
// or \\.\COM3 on Windows). A read that meets a line error (parity, framing,
// overrun) fails.
//
// On termios (SerialPortPosix.cpp) reads wait with poll() for the bytes or
// the time-out, never spinning, and the line discipline reports errors as
// marked bytes (INPCK + PARMRK). On the Win32 communications calls
// (SerialPortWin32.cpp) ReadFile returns at once with what is queued; a
// read waits for its bytes by polling the queue with ClearCommError, which
// also reports the line errors.
#include "link/Transport.h"

#include <cstdint>
#include <string>

#ifndef _WIN32
#include "link/LineMarks.h"

#include <deque>
#endif

class CSerialPort : public ITransport {
public:
    CSerialPort() = default;
    ~CSerialPort() override;
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // Opens the device exclusively and raises DTR. False when the device
    // does not exist, another program holds it or it is no serial port.
    bool open(const std::string& device);
    // Termios: the errno of the last failed open (EACCES when the user may
    // not use the device, EBUSY when another program holds it). 0 after a
    // success, and on Windows.
    int openError() const { return m_openError; }

    std::string name() const override { return m_name; }
    bool isOpen() const override;
    bool close() override;
    bool setLine(int baud, int dataBits, Parity parity, StopBits stopBits) override;
    void setReadTimeout(unsigned milliseconds) override { m_readTimeoutMs = milliseconds; }
    unsigned readTimeout() const { return m_readTimeoutMs; }
    void purge() override;
    std::size_t write(const std::uint8_t* data, std::size_t count) override;
    std::size_t read(std::uint8_t* data, std::size_t count) override;
    bool timedOut() const override { return m_timedOut; }

private:
    int m_openError = 0;
    std::string m_name;
    unsigned m_readTimeoutMs = 0;
    bool m_timedOut = false;
#ifdef _WIN32
    static constexpr std::intptr_t kClosed = -1;  // INVALID_HANDLE_VALUE
    std::intptr_t m_handle = kClosed;
#else
    // Moves what the kernel holds into m_rx, undoing the error marks.
    // False when the descriptor failed (device gone).
    bool drain();
    void setModemLines();

    int m_fd = -1;
    std::deque<std::uint8_t> m_rx;  // decoded bytes not yet read
    LineMarkDecoder m_marks;
#endif
};
