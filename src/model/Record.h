#pragma once
// A fixed-size byte buffer with bounds-checked typed accessors. Every
// section record of the codeplug is one of these: editors, the mapper, the
// printout and the command-line dump read and write fields through it
// instead of shifting bytes by hand. Offsets are named constants beside
// each record kind (see Records.h).
//
// Out-of-range access is a programming error and throws std::out_of_range;
// the buffer is never resized, so a pointer to its bytes stays valid for the
// life of the record.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

using Offset = std::size_t;

class Record {
public:
    explicit Record(std::size_t size, std::uint8_t fill = 0xFF) : bytes_(size, fill) {}
    Record(const Record&) = default;
    // Assignment copies the bytes of a record of the same size and keeps
    // this buffer, so pointers that editors hold stay valid; a record of
    // another size is refused (std::length_error).
    Record& operator=(const Record& other);

    std::size_t size() const { return bytes_.size(); }
    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }
    std::span<std::uint8_t> span() { return bytes_; }
    std::span<const std::uint8_t> span() const { return bytes_; }
    void fill(std::uint8_t value);
    bool operator==(const Record& other) const { return bytes_ == other.bytes_; }

    // Single bits and bit ranges inside one byte (bit 0 = least significant).
    bool bit(Offset off, unsigned n) const;
    void setBit(Offset off, unsigned n, bool on);
    unsigned bits(Offset off, unsigned lo, unsigned count) const;
    void setBits(Offset off, unsigned lo, unsigned count, unsigned value);

    std::uint8_t u8(Offset off) const;
    void setU8(Offset off, std::uint8_t value);

    std::uint16_t u16le(Offset off) const;
    std::uint16_t u16be(Offset off) const;
    std::uint32_t u32le(Offset off) const;
    std::uint32_t u32be(Offset off) const;
    void setU16le(Offset off, std::uint16_t value);
    void setU16be(Offset off, std::uint16_t value);
    void setU32le(Offset off, std::uint32_t value);
    void setU32be(Offset off, std::uint32_t value);

    // Records hold multi-byte numbers in host (little-endian) order; these
    // shorthands are what editors use for such fields.
    std::uint16_t u16(Offset off) const { return u16le(off); }
    std::uint32_t u32(Offset off) const { return u32le(off); }
    void setU16(Offset off, std::uint16_t value) { setU16le(off, value); }
    void setU32(Offset off, std::uint32_t value) { setU32le(off, value); }

    // Reverses a 2- or 4-byte field in place: the radio keeps these words
    // high byte first, the records hold them in host order.
    void swap16(Offset off);
    void swap32(Offset off);

    // Packed BCD stored as a byte sequence, first digit in the high nibble of
    // the first byte, `digits` digits (an odd count leaves the last low nibble
    // untouched on write and ignored on read).
    long bcd(Offset off, int digits) const;
    void setBcd(Offset off, int digits, long value);

    // Text of `len` bytes; reading drops trailing pad bytes, NULs and 0xFF,
    // writing truncates to `len` and pads with `pad`.
    std::string text(Offset off, std::size_t len) const;
    void setText(Offset off, std::size_t len, std::string_view value, char pad = ' ');

    std::span<const std::uint8_t> bytes(Offset off, std::size_t len) const;
    void setBytes(Offset off, std::span<const std::uint8_t> value);
    void fillBytes(Offset off, std::size_t len, std::uint8_t value);

private:
    void check(Offset off, std::size_t len) const;
    std::vector<std::uint8_t> bytes_;
};
