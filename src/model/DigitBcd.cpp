#include "model/DigitBcd.h"

namespace DigitBcd {

namespace {

std::uint8_t nibble(char c)
{
    if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<std::uint8_t>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f') return static_cast<std::uint8_t>(c - 'a' + 10);
    return 0;
}

}  // namespace

std::string text(std::span<const std::uint8_t> bytes)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string s;
    s.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        s += kHex[b >> 4];
        s += kHex[b & 0xF];
    }
    return s;
}

void pack(std::string_view text, std::span<std::uint8_t> bytes)
{
    const std::size_t digits = bytes.size() * 2;
    if (text.size() > digits) text = text.substr(0, digits);
    const std::string padded = std::string(digits - text.size(), '0') + std::string(text);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(nibble(padded[2 * i]) << 4 | nibble(padded[2 * i + 1]));
}

}  // namespace DigitBcd
