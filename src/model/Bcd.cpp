#include "model/Bcd.h"

#include <cstdio>

namespace Bcd {

std::string digits(long value, int count)
{
    if (value < 0 || count <= 0) value = 0;
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) > count) text = text.substr(text.size() - static_cast<std::size_t>(count));
    return std::string(static_cast<std::size_t>(count) - text.size(), '0') + text;
}

std::uint32_t fromInt(long value)
{
    std::uint32_t word = 0;
    for (char c : digits(value, 8)) word = (word << 4) | static_cast<std::uint32_t>(c - '0');
    return word;
}

long toInt(std::uint32_t word)
{
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(word));
    long value = 0;
    for (const char* p = hex; *p >= '0' && *p <= '9'; ++p) value = value * 10 + (*p - '0');
    return value;
}

bool isValid(std::uint32_t word)
{
    for (int i = 0; i < 8; ++i)
        if (((word >> (4 * i)) & 0xF) > 9) return false;
    return true;
}

}  // namespace Bcd
