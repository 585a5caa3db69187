#pragma once
// The byte pipe under the radio protocol: a serial port, or the simulated
// radio in the same process. It has the four primitives every exchange is
// built from (purge, write, wait, read) plus the line set-up.
#include <cstddef>
#include <cstdint>
#include <string>

// Line settings, with the codes the radio protocol passes.
enum class Parity : std::uint8_t { None = 0, Odd = 1, Even = 2 };
enum class StopBits : std::uint8_t { One = 0, OneAndHalf = 1, Two = 2 };

class ITransport {
public:
    virtual ~ITransport() = default;

    // Where the bytes go: a device path, or "sim".
    virtual std::string name() const = 0;
    virtual bool isOpen() const = 0;
    // True when the port is closed afterwards.
    virtual bool close() = 0;

    virtual bool setLine(int baud, int dataBits, Parity parity, StopBits stopBits) = 0;
    // 0 means: wait without limit.
    virtual void setReadTimeout(unsigned milliseconds) = 0;
    // Discards received bytes not yet read and any pending line error.
    virtual void purge() = 0;
    // Bytes written; 0 on failure.
    virtual std::size_t write(const std::uint8_t* data, std::size_t count) = 0;
    // Waits until `count` bytes arrived or the time-out (measured from the
    // start of the call) passed, then returns what it has, at most `count`.
    // A line error (parity, framing) makes it return 0 at once.
    virtual std::size_t read(std::uint8_t* data, std::size_t count) = 0;
    // Whether the last read ended because its time-out passed.
    virtual bool timedOut() const = 0;
};
