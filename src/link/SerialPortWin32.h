#pragma once
// A serial port on the Win32 communications calls. Opened exclusively by
// device name (\\.\COM3). ReadFile is set to return at once with what is
// queued; a read waits for its bytes by polling the queue with
// ClearCommError, which also reports line errors (parity, framing,
// overrun) that turn the read meeting them into a failed read.
#include "link/Transport.h"

#include <cstdint>
#include <string>

class CSerialPort : public ITransport {
public:
    CSerialPort() = default;
    ~CSerialPort() override;
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // Opens the device and raises DTR. False when the port does not exist
    // or another program has it.
    bool open(const std::string& deviceName);

    std::string name() const override { return m_name; }
    bool isOpen() const override { return m_handle != kClosed; }
    bool close() override;
    bool setLine(int baud, int dataBits, Parity parity, StopBits stopBits) override;
    void setReadTimeout(unsigned milliseconds) override { m_readTimeoutMs = milliseconds; }
    unsigned readTimeout() const { return m_readTimeoutMs; }
    void purge() override;
    std::size_t write(const std::uint8_t* data, std::size_t count) override;
    std::size_t read(std::uint8_t* data, std::size_t count) override;
    bool timedOut() const override { return m_timedOut; }

private:
    static constexpr std::intptr_t kClosed = -1;  // INVALID_HANDLE_VALUE

    std::intptr_t m_handle = kClosed;
    std::string m_name;
    unsigned m_readTimeoutMs = 0;
    bool m_timedOut = false;
};
