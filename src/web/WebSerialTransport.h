#pragma once
// The serial port the user granted the page (navigator.serial), behind the
// transport interface. The page's script object `Module.qavSerial`
// (web/serial.js) owns the port: it opens it with the line settings and
// DTR/RTS raised, keeps one reader running that gathers what arrives, and
// turns a parity, framing or break error into a line error. Every call here
// that has to wait (open, write, read) suspends the module until the
// browser has the answer; the session above never knows.
#include "link/Transport.h"

#include <memory>

class WebSerialTransport : public ITransport {
public:
    static constexpr const char* kPortName = "serial";

    // nullptr when the page has no port granted or it cannot be opened.
    static std::unique_ptr<WebSerialTransport> open();
    ~WebSerialTransport() override;

    std::string name() const override { return kPortName; }
    bool isOpen() const override { return open_; }
    bool close() override;
    bool setLine(int baud, int dataBits, Parity parity, StopBits stopBits) override;
    void setReadTimeout(unsigned milliseconds) override { timeoutMs_ = milliseconds; }
    void purge() override;
    std::size_t write(const std::uint8_t* data, std::size_t count) override;
    std::size_t read(std::uint8_t* data, std::size_t count) override;
    bool timedOut() const override { return timedOut_; }

private:
    WebSerialTransport() = default;

    bool open_ = true;
    unsigned timeoutMs_ = 0;
    bool timedOut_ = false;
};
