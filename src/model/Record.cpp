#include "model/Record.h"

#include "model/Bcd.h"

#include <algorithm>
#include <stdexcept>

void Record::check(Offset off, std::size_t len) const
{
    if (off > bytes_.size() || len > bytes_.size() - off)
        throw std::out_of_range("record field " + std::to_string(off) + "+" + std::to_string(len) +
                                " outside a record of " + std::to_string(bytes_.size()) + " bytes");
}

Record& Record::operator=(const Record& other)
{
    if (other.bytes_.size() != bytes_.size())
        throw std::length_error("record of " + std::to_string(other.bytes_.size()) + " bytes assigned to one of " +
                                std::to_string(bytes_.size()));
    std::copy(other.bytes_.begin(), other.bytes_.end(), bytes_.begin());
    return *this;
}

void Record::fill(std::uint8_t value) { std::fill(bytes_.begin(), bytes_.end(), value); }

bool Record::bit(Offset off, unsigned n) const { return bits(off, n, 1) != 0; }

void Record::setBit(Offset off, unsigned n, bool on) { setBits(off, n, 1, on ? 1u : 0u); }

unsigned Record::bits(Offset off, unsigned lo, unsigned count) const
{
    check(off, 1);
    if (count == 0 || lo + count > 8) throw std::out_of_range("bit range outside a byte");
    return (bytes_[off] >> lo) & ((1u << count) - 1u);
}

void Record::setBits(Offset off, unsigned lo, unsigned count, unsigned value)
{
    check(off, 1);
    if (count == 0 || lo + count > 8) throw std::out_of_range("bit range outside a byte");
    const unsigned mask = ((1u << count) - 1u) << lo;
    bytes_[off] = static_cast<std::uint8_t>((bytes_[off] & ~mask) | ((value << lo) & mask));
}

std::uint8_t Record::u8(Offset off) const
{
    check(off, 1);
    return bytes_[off];
}

void Record::setU8(Offset off, std::uint8_t value)
{
    check(off, 1);
    bytes_[off] = value;
}

std::uint16_t Record::u16le(Offset off) const
{
    check(off, 2);
    return static_cast<std::uint16_t>(bytes_[off] | bytes_[off + 1] << 8);
}

std::uint16_t Record::u16be(Offset off) const
{
    check(off, 2);
    return static_cast<std::uint16_t>(bytes_[off] << 8 | bytes_[off + 1]);
}

std::uint32_t Record::u32le(Offset off) const
{
    check(off, 4);
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | bytes_[off + static_cast<Offset>(i)];
    return v;
}

std::uint32_t Record::u32be(Offset off) const
{
    check(off, 4);
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = (v << 8) | bytes_[off + static_cast<Offset>(i)];
    return v;
}

void Record::setU16le(Offset off, std::uint16_t value)
{
    check(off, 2);
    bytes_[off] = static_cast<std::uint8_t>(value);
    bytes_[off + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Record::setU16be(Offset off, std::uint16_t value)
{
    check(off, 2);
    bytes_[off] = static_cast<std::uint8_t>(value >> 8);
    bytes_[off + 1] = static_cast<std::uint8_t>(value);
}

void Record::setU32le(Offset off, std::uint32_t value)
{
    check(off, 4);
    for (int i = 0; i < 4; ++i) bytes_[off + static_cast<Offset>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

void Record::setU32be(Offset off, std::uint32_t value)
{
    check(off, 4);
    for (int i = 0; i < 4; ++i) bytes_[off + static_cast<Offset>(i)] = static_cast<std::uint8_t>(value >> (8 * (3 - i)));
}

void Record::swap16(Offset off)
{
    check(off, 2);
    std::swap(bytes_[off], bytes_[off + 1]);
}

void Record::swap32(Offset off)
{
    check(off, 4);
    std::reverse(bytes_.begin() + static_cast<std::ptrdiff_t>(off), bytes_.begin() + static_cast<std::ptrdiff_t>(off + 4));
}

long Record::bcd(Offset off, int digits) const
{
    if (digits <= 0) return 0;
    check(off, static_cast<std::size_t>(digits + 1) / 2);
    long value = 0;
    for (int i = 0; i < digits; ++i) {
        const std::uint8_t b = bytes_[off + static_cast<Offset>(i / 2)];
        const unsigned nibble = (i % 2 == 0) ? (b >> 4) : (b & 0xF);
        if (nibble > 9) break;  // a non-digit ends the number, as with "%X" read as decimal
        value = value * 10 + static_cast<long>(nibble);
    }
    return value;
}

void Record::setBcd(Offset off, int digits, long value)
{
    if (digits <= 0) return;
    check(off, static_cast<std::size_t>(digits + 1) / 2);
    const std::string text = Bcd::digits(value, digits);
    for (int i = 0; i < digits; ++i) {
        const auto nibble = static_cast<unsigned>(text[static_cast<std::size_t>(i)] - '0');
        std::uint8_t& b = bytes_[off + static_cast<Offset>(i / 2)];
        b = (i % 2 == 0) ? static_cast<std::uint8_t>((b & 0x0F) | nibble << 4)
                         : static_cast<std::uint8_t>((b & 0xF0) | nibble);
    }
}

std::string Record::text(Offset off, std::size_t len) const
{
    check(off, len);
    std::string s(bytes_.begin() + static_cast<std::ptrdiff_t>(off),
                  bytes_.begin() + static_cast<std::ptrdiff_t>(off + len));
    const auto nul = s.find('\0');
    if (nul != std::string::npos) s.resize(nul);
    while (!s.empty() && (s.back() == ' ' || static_cast<unsigned char>(s.back()) == 0xFF)) s.pop_back();
    return s;
}

void Record::setText(Offset off, std::size_t len, std::string_view value, char pad)
{
    check(off, len);
    for (std::size_t i = 0; i < len; ++i)
        bytes_[off + i] = static_cast<std::uint8_t>(i < value.size() ? value[i] : pad);
}

std::span<const std::uint8_t> Record::bytes(Offset off, std::size_t len) const
{
    check(off, len);
    return std::span<const std::uint8_t>(bytes_).subspan(off, len);
}

void Record::setBytes(Offset off, std::span<const std::uint8_t> value)
{
    check(off, value.size());
    std::copy(value.begin(), value.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(off));
}

void Record::fillBytes(Offset off, std::size_t len, std::uint8_t value)
{
    check(off, len);
    std::fill_n(bytes_.begin() + static_cast<std::ptrdiff_t>(off), len, value);
}
