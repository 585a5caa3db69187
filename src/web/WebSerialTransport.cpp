#include "web/WebSerialTransport.h"

#include "link/Protocol.h"

#include <emscripten.h>

// Each returns what the page's serial object resolves to; a missing object
// (no Web Serial, no port granted) is a failure.
EM_ASYNC_JS(int, serialOpen, (int baud, int dataBits, int parity, int stopBits), {
    const s = Module.qavSerial;
    if (!s) return 0;
    return (await s.open({baud, dataBits, parity, stopBits})) ? 1 : 0;
});

EM_ASYNC_JS(int, serialClose, (), {
    const s = Module.qavSerial;
    if (s) await s.close();
    return 1;
});

EM_JS(void, serialPurge, (), {
    if (Module.qavSerial) Module.qavSerial.purge();
});

EM_ASYNC_JS(int, serialWrite, (const std::uint8_t* data, int count), {
    const s = Module.qavSerial;
    if (!s) return 0;
    return await s.write(HEAPU8.slice(data, data + count));
});

// Resolves to the count of bytes read; when the time-out passed first, to
// -2 - that count (what did arrive is in the buffer all the same).
EM_ASYNC_JS(int, serialRead, (std::uint8_t* data, int count, int timeoutMs), {
    const s = Module.qavSerial;
    if (!s) return 0;
    const r = await s.read(count, timeoutMs);
    HEAPU8.set(r.bytes, data);
    return r.timedOut ? -2 - r.bytes.length : r.bytes.length;
});

namespace {

int parityCode(Parity p) { return static_cast<int>(p); }
int stopCode(StopBits s) { return s == StopBits::Two ? 2 : 1; }

}  // namespace

std::unique_ptr<WebSerialTransport> WebSerialTransport::open()
{
    // The radio's line: the protocol never asks for another.
    if (!serialOpen(Proto::kBaud, Proto::kDataBits, parityCode(Parity::Odd), stopCode(StopBits::Two))) return nullptr;
    return std::unique_ptr<WebSerialTransport>(new WebSerialTransport());
}

WebSerialTransport::~WebSerialTransport()
{
    close();
}

bool WebSerialTransport::close()
{
    if (open_) serialClose();
    open_ = false;
    return true;
}

bool WebSerialTransport::setLine(int baud, int dataBits, Parity parity, StopBits stopBits)
{
    if (!open_) return false;
    if (baud == Proto::kBaud && dataBits == Proto::kDataBits && parity == Parity::Odd && stopBits == StopBits::Two)
        return true;
    // Web Serial sets the line when it opens the port.
    serialClose();
    open_ = serialOpen(baud, dataBits, parityCode(parity), stopCode(stopBits)) != 0;
    return open_;
}

void WebSerialTransport::purge()
{
    if (open_) serialPurge();
}

std::size_t WebSerialTransport::write(const std::uint8_t* data, std::size_t count)
{
    if (!open_ || count == 0) return 0;
    const int n = serialWrite(data, static_cast<int>(count));
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

std::size_t WebSerialTransport::read(std::uint8_t* data, std::size_t count)
{
    timedOut_ = false;
    if (!open_ || count == 0) return 0;
    const int n = serialRead(data, static_cast<int>(count), static_cast<int>(timeoutMs_));
    if (n <= -2) {
        timedOut_ = true;
        return static_cast<std::size_t>(-2 - n);
    }
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}
