#pragma once
// Which image bytes each transfer moves, in the order it moves them.
#include "model/MemoryMap.h"

#include <cstdint>
#include <vector>

struct BlockSpan {
    std::uint32_t address;
    std::uint16_t length;
    bool operator==(const BlockSpan&) const = default;
};

namespace Plans {

constexpr std::uint16_t kBlockSize = 32;
constexpr std::uint32_t kImageSize = 8192;
// The user areas end here; the extended (factory or full) access level
// also writes the embedded messages and the bytes before them.
constexpr std::uint32_t kUserEnd = 5115;
constexpr std::uint32_t kExtendedEnd = 5160;
// The 8-byte programming stamp, written last.
constexpr BlockSpan kStamp{Image::kStamp, Image::kStampLength};
// The factory tune-data area.
constexpr std::uint32_t kTuneDataStart = 5667;
constexpr std::uint32_t kTuneDataEnd = 6199;
// The embedded messages, where the image keeps them.
constexpr std::uint32_t kEmbeddedStart = 5160;
constexpr std::uint32_t kEmbeddedLength = 144;
// The factory settings byte that opens or closes the tune switch.
constexpr std::uint32_t kTuneSwitch = 181;

// `start` to `end` - 1 in blocks of at most 32 bytes.
std::vector<BlockSpan> split(std::uint32_t start, std::uint32_t end);

// The whole image in 256 blocks.
std::vector<BlockSpan> read();
// Regions A (120-180), B (217-221) and C (254 to the end), without the stamp.
std::vector<BlockSpan> write(bool extended);
// 5667 to 6198: 16 blocks of 32 bytes and one of 20.
std::vector<BlockSpan> tuneData();
std::vector<BlockSpan> embeddedMessage();
std::vector<BlockSpan> factoryRead();
std::vector<BlockSpan> factoryWrite();

}  // namespace Plans
