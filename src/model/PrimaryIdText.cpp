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
