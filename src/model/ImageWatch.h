#pragma once
// The change log of the codeplug image: a snapshot of the image as last
// shown, and the bytes that differ from it at each comparison. Each change
// moves into the snapshot at once, so comparing twice without an edit in
// between finds nothing, and a byte changed twice is logged twice.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct ImageChange {
    std::size_t offset;
    std::uint8_t before;
    std::uint8_t after;

    // "$E.0x1A0:FF->05"
    std::string line() const;
    // "$E.0x1A0:11111111\r\n->00000101"
    std::string binary() const;
    // "$E.0x1A0:255->05"
    std::string decimal() const;
    // The two lines the detail text shows: decimal, then binary.
    std::string detail() const;
};

class ImageWatch {
public:
    static constexpr std::size_t kSize = 8192;

    // Takes `image` as the snapshot (a shorter image leaves the rest zero).
    void reset(std::span<const std::uint8_t> image);
    // Every byte of `image` that differs from the snapshot, in offset
    // order; the snapshot takes the new values.
    std::vector<ImageChange> compare(std::span<const std::uint8_t> image);
    std::uint8_t at(std::size_t offset) const { return offset < kSize ? snapshot_[offset] : 0; }

private:
    std::array<std::uint8_t, kSize> snapshot_{};
};
