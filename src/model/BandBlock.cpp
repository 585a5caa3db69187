#include "model/BandBlock.h"

#include "model/FreqBcd.h"

int bandEdgeMHz(const std::uint8_t* b)
{
    std::uint32_t word = (std::uint32_t(b[0]) << 24) | (std::uint32_t(b[1]) << 16) |
                         (std::uint32_t(b[2]) << 8) | std::uint32_t(b[3]);
    return static_cast<int>(FreqBcd::toUnits(word) / FreqBcd::kUnitsPerMHz);
}

FreqRangeEntry decodeBandBlock(const BandBlock& block)
{
    FreqRangeEntry e;
    e.flags = block[0];
    e.low = bandEdgeMHz(&block[1]);
    e.high = bandEdgeMHz(&block[5]);
    e.low2 = e.low;
    e.high2 = e.high;
    return e;
}
