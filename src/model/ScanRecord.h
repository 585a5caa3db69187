#pragma once
// Scan list record, 56 bytes. Channel numbers are 1-based 16-bit words held
// in host order (high byte first in the image).
//
//  4  number of entries (end marker of the list)   5 scan modes
//  6  signal hang time   7 priority mode / delete-add   8 priority sweep time
//  9-10 priority channel 1   11-12 third channel link   13 transmit mode / talk-back
//  14-15 designated channel  16 hang time  17 alerts  18 options
//  24-55 sixteen member channel numbers
#include "model/FieldTable.h"
#include "model/Record.h"

#include <span>

namespace ScanField {
constexpr std::size_t kSize = 56;
constexpr Offset Entries{4};  // also the end marker
constexpr Offset Modes{5};
constexpr Offset SignalHangTime{6};
constexpr Offset Priority{7};
constexpr Offset PrioritySweepTime{8};
constexpr Offset PriorityChannel{9};
constexpr Offset ThirdChannel{11};
constexpr Offset Transmit{13};
constexpr Offset DesignatedChannel{14};
constexpr Offset HangTime{16};
constexpr Offset Alerts{17};
constexpr Offset Options{18};
constexpr Offset Members{24};
constexpr int kMemberCount = 16;
constexpr Offset member(int k) { return Members + static_cast<Offset>(2 * k); }
}  // namespace ScanField

Record defaultScanRecord();

std::span<const FieldDesc> scanSchema();
