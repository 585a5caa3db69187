#pragma once
// A serial port on termios. Opened exclusively by device path; reads wait
// with poll() for the bytes or the time-out, never spinning. Parity and
// framing errors are asked of the line discipline as marked bytes
// (INPCK + PARMRK) and turn the read that meets them into a failed read.
#include "link/LineMarks.h"
#include "link/Transport.h"

#include <deque>
#include <string>

class CSerialPort : public ITransport {
public:
    CSerialPort() = default;
    ~CSerialPort() override;
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // Opens the device exclusively and raises DTR. False when the device
    // does not exist, is busy or is not a terminal.
    bool open(const std::string& devicePath);
    // The errno of the last failed open (EACCES when the user may not use
    // the device, EBUSY when another program holds it); 0 after a success.
    int openError() const { return m_openError; }

    std::string name() const override { return m_name; }
    bool isOpen() const override { return m_fd >= 0; }
    bool close() override;
    bool setLine(int baud, int dataBits, Parity parity, StopBits stopBits) override;
    void setReadTimeout(unsigned milliseconds) override { m_readTimeoutMs = milliseconds; }
    unsigned readTimeout() const { return m_readTimeoutMs; }
    void purge() override;
    std::size_t write(const std::uint8_t* data, std::size_t count) override;
    std::size_t read(std::uint8_t* data, std::size_t count) override;
    bool timedOut() const override { return m_timedOut; }

private:
    // Moves what the kernel holds into m_rx, undoing the error marks.
    // False when the descriptor failed (device gone).
    bool drain();
    void setModemLines();

    int m_fd = -1;
    int m_openError = 0;
    std::string m_name;
    unsigned m_readTimeoutMs = 0;
    bool m_timedOut = false;
    std::deque<std::uint8_t> m_rx;  // decoded bytes not yet read
    LineMarkDecoder m_marks;
};
