#pragma once
// The factory settings block: 36 own bytes (image 181-216) plus two views
// of other sections: the radio information record and miscellaneous record
// bytes 41-72 (image 222-253). The shared 32 bytes live in the
// miscellaneous record only; the block reaches them through its reference.
//
// Own bytes (multi-byte words in host order; high byte first in the image):
//  0 bit 0 tune switch open   11-14 PLL local oscillator frequency word
//  15-18 Rx middle frequency word   19 bit 0 Rx middle add/sub
//  20-21 open channel number
#include "model/FieldTable.h"
#include "model/Record.h"

#include <cstdint>
#include <span>

namespace FactoryBlockField {
constexpr std::size_t kSize = 36;
constexpr Offset TuneSwitch{0};
constexpr Offset PllFrequency{11};
constexpr Offset RxMiddleFrequency{15};
constexpr Offset RxMiddleAddSub{19};
constexpr Offset OpenChannelNumber{20};
}  // namespace FactoryBlockField

class FactorySettingsBlock {
public:
    Record own{FactoryBlockField::kSize, 0xFF};

    // The two references; set by the store, never owned.
    Record* radioInfo = nullptr;
    Record* misc = nullptr;

    // Byte i (0-31) of the shared area, i.e. miscellaneous record byte 41 + i.
    std::uint8_t shared(std::size_t i) const;
    void setShared(std::size_t i, std::uint8_t value);

    // Own bytes all 0xFF, then the two oscillator words and the open channel
    // number. The references are left to the store to set again.
    void loadFactoryValues();
};

std::span<const FieldDesc> factoryBlockSchema();
