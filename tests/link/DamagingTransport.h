#pragma once
// A cable to the simulated radio that passes each reply through a damage
// function before the link reads it. It answers at once, so sessions over
// it run without pauses. The robustness tests damage a share of the replies
// at random (cut short, lengthened, a wrong checksum, a wrong
// acknowledgement, one byte changed, replaced by random bytes, lost, or hit
// by a line error); the fuzz target lets its input decide.
#include "MutationKit.h"

#include "link/PortOpener.h"
#include "sim/SimRadio.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <memory>
#include <string>

// Changes one reply in place; true when the read that meets it fails with a
// line error (what is left of the reply is read after that).
using ReplyDamage = std::function<bool(Proto::Bytes& reply)>;

// Damages `percent` of the replies at random.
inline ReplyDamage randomDamage(Mutator& m, unsigned percent)
{
    return [&m, percent](Proto::Bytes& b) {
        if (!m.chance(percent)) return false;
        switch (m.below(9)) {
        case 0: b.resize(m.below(b.size())); break;                                  // cut short
        case 1: for (std::size_t n = 1 + m.below(8); n > 0; --n) b.push_back(m.byte()); break;  // lengthened
        case 2: if (b.size() >= 2) b[b.size() - 2] = static_cast<std::uint8_t>(b[b.size() - 2] + 1 + m.below(255)); break;
        case 3: if (b.size() >= 3) b[2] = static_cast<std::uint8_t>(b[2] ^ (1u << m.below(8))); break;  // status / code
        case 4: if (!b.empty()) b[m.below(b.size())] = m.byte(); break;             // one byte changed
        case 5: for (auto& x : b) x = m.byte(); break;                               // random, same length
        case 6: b.resize(m.below(64)); for (auto& x : b) x = m.byte(); break;       // random, any length
        case 7: b.clear(); break;                                                    // lost
        default: return true;                                                        // parity error
        }
        return false;
    };
}

class DamagingTransport : public ITransport {
public:
    DamagingTransport(SimRadio& radio, ReplyDamage damage) : radio_(radio), damage_(std::move(damage)) {}

    std::string name() const override { return "1"; }
    bool isOpen() const override { return open_; }
    bool close() override
    {
        open_ = false;
        return true;
    }
    bool setLine(int, int, Parity, StopBits) override { return open_; }
    void setReadTimeout(unsigned) override {}
    void purge() override
    {
        rx_.clear();
        lineError_ = false;
    }
    std::size_t write(const std::uint8_t* data, std::size_t count) override
    {
        if (!open_) return 0;
        for (SimReply& r : radio_.feed(data, count)) {
            if (damage_(r.bytes)) lineError_ = true;
            rx_.insert(rx_.end(), r.bytes.begin(), r.bytes.end());
        }
        return count;
    }
    std::size_t read(std::uint8_t* data, std::size_t count) override
    {
        if (!open_) return 0;
        if (lineError_) {
            lineError_ = false;
            timedOut_ = false;
            return 0;
        }
        const std::size_t n = std::min(count, rx_.size());
        std::copy_n(rx_.begin(), n, data);
        rx_.erase(rx_.begin(), rx_.begin() + static_cast<std::ptrdiff_t>(n));
        timedOut_ = n < count;
        return n;
    }
    bool timedOut() const override { return timedOut_; }

private:
    SimRadio& radio_;
    ReplyDamage damage_;
    bool open_ = true;
    bool lineError_ = false;
    bool timedOut_ = false;
    std::deque<std::uint8_t> rx_;
};

// Opens a damaging cable on port "1"; every cable it opens damages alike.
class DamagingOpener : public IPortOpener {
public:
    DamagingOpener(SimRadio& radio, ReplyDamage damage) : radio_(radio), damage_(std::move(damage)) {}
    DamagingOpener(SimRadio& radio, Mutator& m, unsigned percent) : DamagingOpener(radio, randomDamage(m, percent)) {}
    std::unique_ptr<ITransport> open(const std::string& port) override
    {
        if (port != "1") return nullptr;
        return std::make_unique<DamagingTransport>(radio_, damage_);
    }

private:
    SimRadio& radio_;
    ReplyDamage damage_;
};
