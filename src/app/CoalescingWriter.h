#pragma once
// Register writes from a scroll bar that moves faster than the radio
// answers. One write is on its way at a time; positions that arrive
// meanwhile replace each other (one kept write per register), so a bar
// held down sends one write per value the radio could take, intermediate
// positions are dropped, and the last position always reaches the radio.
#include <cstdint>
#include <optional>
#include <vector>

struct RegisterWrite {
    std::uint16_t reg = 0;
    std::uint16_t value = 0;
    bool operator==(const RegisterWrite&) const = default;
};

class CoalescingWriter {
public:
    // A new position: the write to send now when none is on its way;
    // otherwise it is kept for later and nothing is to be sent.
    std::optional<RegisterWrite> submit(RegisterWrite write);
    // The write on its way has ended: the next one to send, if one was kept.
    std::optional<RegisterWrite> finished();
    // Every kept write, oldest first, handed out at once: before anything
    // else goes to the radio (another tab's read, OK, Cancel) the positions
    // already shown must have been sent. They count as on their way.
    std::vector<RegisterWrite> flush();
    // Forgets the kept writes (the radio refused one; nothing more is sent).
    void drop() { kept_.clear(); }
    bool idle() const { return onTheWay_ == 0 && kept_.empty(); }

private:
    int onTheWay_ = 0;
    std::vector<RegisterWrite> kept_;
};
