#include "link/TransferPlans.h"

#include <algorithm>

namespace Plans {

std::vector<BlockSpan> split(std::uint32_t start, std::uint32_t end)
{
    std::vector<BlockSpan> spans;
    for (std::uint32_t a = start; a < end; a += kBlockSize)
        spans.push_back({a, static_cast<std::uint16_t>(std::min<std::uint32_t>(kBlockSize, end - a))});
    return spans;
}

std::vector<BlockSpan> read()
{
    return split(0, kImageSize);
}

std::vector<BlockSpan> write(bool extended)
{
    std::vector<BlockSpan> spans = split(120, 181);
    spans.push_back({217, 5});
    auto c = split(254, extended ? kExtendedEnd : kUserEnd);
    spans.insert(spans.end(), c.begin(), c.end());
    return spans;
}

std::vector<BlockSpan> tuneData()
{
    return split(kTuneDataStart, kTuneDataEnd);
}

std::vector<BlockSpan> embeddedMessage()
{
    return split(kEmbeddedStart, kEmbeddedStart + kEmbeddedLength);
}

std::vector<BlockSpan> factoryRead()
{
    return {{16, 16}, {40, 8}, {72, 16}, {181, 32}, {222, 32}};
}

std::vector<BlockSpan> factoryWrite()
{
    return {{16, 16}, {40, 24}, {72, 16}, {181, 32}, {213, 4}, {222, 32}};
}

}  // namespace Plans
