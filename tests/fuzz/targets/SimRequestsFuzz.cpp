// Request bytes as a host (or line noise) sends them to the simulated
// radio, in chunks with pauses between some of them. The radio must answer
// only whole, framed replies and keep its memory within bounds.
// Input: repeated [chunk length, pause flag, bytes...].
#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "sim/SimRadio.h"

#include <chrono>

int fuzzSimRequests(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    SimRadio radio;
    if (in.byte() & 1) radio.setPassword("1234");
    auto now = std::chrono::steady_clock::time_point{} + std::chrono::hours(1);
    while (!in.empty()) {
        const std::size_t n = in.byte();
        // An odd flag lets the inter-byte gap pass, so the radio drops a
        // request that was left incomplete.
        if (in.byte() & 1) now += std::chrono::seconds(1);
        const std::string chunk = in.bytes(n);
        now += std::chrono::microseconds(100);
        for (const SimReply& r : radio.feed(reinterpret_cast<const std::uint8_t*>(chunk.data()), chunk.size(), now)) {
            FUZZ_CHECK(!r.bytes.empty());
            FUZZ_CHECK(r.bytes.front() == Proto::STX && r.bytes.back() == Proto::ETX);
        }
    }
    FUZZ_CHECK(radio.memory().size() == SimRadio::kMemorySize);
    (void)radio.log();
    return 0;
}
