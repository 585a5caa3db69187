// The simulated radio serves any program on its pseudo-terminal, so its
// request decoder meets arbitrary bytes: damaged requests, in random
// pieces, must never crash it, every reply must be a whole packet, and its
// memory may change only through a block write whose checksum holds.
#include "MutationKit.h"

#include "sim/SimRadio.h"

#include <gtest/gtest.h>

namespace {

std::string asText(const Proto::Bytes& b) { return std::string(b.begin(), b.end()); }

Proto::Bytes asBytes(const std::string& s) { return Proto::Bytes(s.begin(), s.end()); }

std::vector<Proto::Bytes> validRequests()
{
    const std::uint8_t data[4] = {1, 2, 3, 4};
    const std::uint8_t reg[2] = {0x12, 0x34};
    return {Proto::handshake(),      Proto::setMode(Proto::Mode::Read), Proto::setMode(Proto::Mode::Tuning),
            Proto::identity(8),      Proto::identity(5),                Proto::readBlock(8160, 32),
            Proto::readBlock(0, 4096), Proto::writeBlock(100, data, 4),  Proto::password("1234", 1),
            Proto::readRegister(3),  Proto::writeRegister(3, reg, 2),   Proto::tuningAccept(),
            Proto::tuningCancel(),   Proto::output(1, 1),               Proto::setMode(Proto::Mode::Write)};
}

}  // namespace

TEST(RequestMutation, DamagedRequestsInPiecesNeverBreakTheRadio)
{
    const auto requests = validRequests();
    Mutator m(555);
    for (int round = 0; round < scaled(200); ++round) {
        SimRadio radio;
        if (round % 3 == 0) radio.setPassword("1234");
        const auto t0 = std::chrono::steady_clock::now();
        std::string stream;
        for (int k = 0; k < 60; ++k) {
            std::string req = asText(requests[m.below(requests.size())]);
            if (m.chance(40)) req = m.mutate(req, 2);
            if (req.size() > 6000) req.resize(6000);
            stream += req;
        }
        // Fed in random pieces, all within the inter-byte gap.
        std::size_t at = 0;
        while (at < stream.size()) {
            const std::size_t n = std::min(stream.size() - at, 1 + m.below(48));
            const auto piece = asBytes(stream.substr(at, n));
            for (const SimReply& r : radio.feed(piece.data(), piece.size(), t0)) {
                if (r.bytes.empty()) continue;
                EXPECT_EQ(r.bytes.front(), Proto::STX) << "round " << round;
                EXPECT_EQ(r.bytes.back(), Proto::ETX) << "round " << round;
            }
            at += n;
        }
        // Only block writes whose checksum held (the only ones logged) and
        // that lie inside the memory changed it.
        std::vector<bool> written(SimRadio::kMemorySize, false);
        for (const SimCommand& c : radio.log()) {
            if (c.code != "Ea" || c.value > SimRadio::kMemorySize || c.length > SimRadio::kMemorySize - c.value) continue;
            for (std::size_t a = c.value; a < c.value + c.length; ++a) written[a] = true;
        }
        const auto mem = radio.memory();
        for (std::size_t a = 0; a < mem.size(); ++a) {
            if (!written[a]) {
                ASSERT_EQ(mem[a], 0xFF) << "round " << round << " byte " << a;
            }
        }
    }
}

TEST(RequestMutation, FaultSpecificationsOfAnyText)
{
    Mutator m(556);
    const char* seeds[] = {"silence:Eb:3:1", "refuse-block:0x20", "silent-after:255", "line-error::0:2", "ack:Ma"};
    for (int i = 0; i < scaled(2000); ++i) {
        const auto f = SimFault::parse(m.mutate(seeds[m.below(5)], 3));
        if (f) {
            EXPECT_GE(f->after, 0);
            EXPECT_GE(f->times, 0);
            EXPECT_LE(f->command.size(), 2u);
        }
    }
}
