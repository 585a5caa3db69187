#pragma once
// The page's view of a line: it measures the protocol's floor and can be cut.
//
// The floor is the least time the exchanges made so far can take: per
// exchange the protocol's pauses or the bytes' time on a 38400-baud line,
// whichever is longer, so a transfer's time can be set against it.
//
// Cut: once Cancel was pressed every write and read
// fails at once, as after a pulled cable, so the session ends through its
// ordinary failure path. A read then keeps the codeplug as it was (the image
// is only taken when every block arrived); a write leaves the radio as a
// broken line would, which the page says before it cancels.
#include "link/LinkTiming.h"
#include "link/Protocol.h"
#include "link/Transport.h"

#include <algorithm>
#include <memory>
#include <vector>

struct LineFloor {
    LinkTiming timing = LinkTiming::radio();
    double micros = 0;
    int exchanges = 0;

    void opened() { micros += timing.connectSleepMs * 1000.0; }
    void exchange(const std::vector<std::uint8_t>& request, std::size_t replyLength)
    {
        const double wire = static_cast<double>(Proto::wireMicros(request.size() + replyLength));
        // A block write pauses before its transaction; the request travels after it.
        const bool blockWrite = request.size() > 2 && request[1] == 'E' && request[2] == 'a';
        micros += (blockWrite ? timing.writeSleepMs * 1000.0 : 0) + std::max(timing.exchangeSleepMs * 1000.0, wire);
        ++exchanges;
    }
};

class CancellableTransport : public ITransport {
public:
    CancellableTransport(std::unique_ptr<ITransport> inner, const bool& cancelled, LineFloor& floor)
        : inner_(std::move(inner)), cancelled_(cancelled), floor_(floor)
    {
        floor_.opened();
    }

    std::string name() const override { return inner_->name(); }
    bool isOpen() const override { return inner_->isOpen(); }
    bool close() override { return inner_->close(); }
    bool setLine(int baud, int dataBits, Parity parity, StopBits stopBits) override
    {
        return !cancelled_ && inner_->setLine(baud, dataBits, parity, stopBits);
    }
    void setReadTimeout(unsigned ms) override { inner_->setReadTimeout(ms); }
    void purge() override { inner_->purge(); }
    std::size_t write(const std::uint8_t* data, std::size_t count) override
    {
        if (cancelled_) return 0;
        last_.assign(data, data + count);
        return inner_->write(data, count);
    }
    std::size_t read(std::uint8_t* data, std::size_t count) override
    {
        if (cancelled_) return 0;
        const std::size_t n = inner_->read(data, count);
        floor_.exchange(last_, count);
        // Cancel pressed while the read waited: what came is not used.
        return cancelled_ ? 0 : n;
    }
    bool timedOut() const override { return cancelled_ || inner_->timedOut(); }

private:
    std::unique_ptr<ITransport> inner_;
    const bool& cancelled_;
    LineFloor& floor_;
    std::vector<std::uint8_t> last_;
};
