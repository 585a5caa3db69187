#include "model/PrimaryIdText.h"

#include <cstdio>

std::string shownPrimaryId(std::uint16_t stored)
{
    unsigned a = stored > 0xDEEEu ? 0xDEEEu : stored;
    for (unsigned shift = 0; shift < 12; shift += 4)
        if (((a >> shift) & 0xFu) > 0xEu) a = (a & ~(0xFu << shift)) | (0xEu << shift);
    if (a == 0) a = 1;
    char buf[16];  // room for any unsigned, so the compiler sees no truncation
    std::snprintf(buf, sizeof buf, "%04X", a);
    return buf;
}

std::uint16_t enteredPrimaryId(std::string_view typed)
{
    unsigned v = 0;
    int digits = 0;
    for (char c : typed) {
        int d = -1;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
        if (d < 0) continue;
        v = (v << 4 | static_cast<unsigned>(d)) & 0xFFFFu;
        ++digits;
    }
    if (digits == 0) return 1;
    if ((v >> 12) > 0xDu) v = (v & 0x0FFFu) | 0xD000u;
    for (unsigned shift = 0; shift < 12; shift += 4)
        if (((v >> shift) & 0xFu) > 0xEu) v = (v & ~(0xFu << shift)) | (0xEu << shift);
    return static_cast<std::uint16_t>(v == 0 ? 1 : v);
}
