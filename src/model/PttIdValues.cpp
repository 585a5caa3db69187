#include "model/PttIdValues.h"

#include <cstdio>
#include <optional>

namespace {

std::optional<std::uint32_t> readHex(std::string_view text)
{
    std::uint32_t value = 0;
    int digits = 0;
    for (char c : text) {
        int d = -1;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
        if (d < 0) break;
        // Only the last eight digits matter to the callers; no overflow.
        value = (value << 4) | static_cast<std::uint32_t>(d);
        ++digits;
    }
    if (digits == 0) return std::nullopt;
    return value;
}

// Digit F becomes E in the `count` low nibbles.
std::uint32_t lowerFs(std::uint32_t v, int count)
{
    for (int i = 0; i < count; ++i)
        if (((v >> (4 * i)) & 0xF) == 0xF) v = (v & ~(0xFu << (4 * i))) | (0xEu << (4 * i));
    return v;
}

std::uint16_t sendable(std::uint32_t v)
{
    v &= 0xFFFF;
    if ((v >> 12) > 0xD) v = (v & 0x0FFF) | 0xD000;
    v = lowerFs(v, 3);
    return static_cast<std::uint16_t>(v == 0 ? 1 : v);
}

}  // namespace

namespace PttIdValues {

std::uint16_t sendablePrimaryId(std::uint16_t stored) { return sendable(stored > 0xDEEE ? 0xDEEE : stored); }

std::uint16_t primaryIdOfText(std::string_view text)
{
    const auto v = readHex(text);
    return v ? sendable(*v) : 1;
}

std::string primaryIdText(std::uint16_t id)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%04X", id);
    return buf;
}

std::string groupIdText(std::string_view text)
{
    const auto v = readHex(text);
    std::uint32_t id = v ? lowerFs(*v & 0xFFF, 3) : 1;
    char buf[8];
    std::snprintf(buf, sizeof buf, "%03X", id);
    return buf;
}

}  // namespace PttIdValues
