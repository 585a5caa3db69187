#pragma once
// Channel record, 24 bytes. Frequency and tone words are held in host order
// (the image keeps them high byte first; the mapper swaps them).
//
//  0-3   not interpreted (FF FF FF FF in a new record, preserved)
//  4-7   receive frequency word      8-11  transmit frequency word
//  12-13 receive tone word           14-15 transmit tone word
//  16    step codes: rx bits 0-3, tx bits 4-7
//  17    spacing bits 0-3, power bits 4-7
//  18    personality index (0-based)  19 scan list number (1-based, 0 none;
//        0xFF in the image ends the channel table)
//  20    bit 6 auto start scan, bit 7 ATIS   21 flags (preserved)  22-23 reserved
#include "model/FieldTable.h"
#include "model/Record.h"

#include <span>

struct ModelValues;

namespace ChannelField {
constexpr std::size_t kSize = 24;
constexpr Offset Unused{0};
constexpr Offset RxFreq{4};
constexpr Offset TxFreq{8};
constexpr Offset RxTone{12};
constexpr Offset TxTone{14};
constexpr Offset Steps{16};         // bits 0-3 rx step code, bits 4-7 tx step code
constexpr Offset SpacingPower{17};  // bits 0-3 spacing, bits 4-7 power
constexpr Offset Personality{18};
constexpr Offset ScanList{19};      // also the end marker of the channel table (MemoryMap.cpp)
constexpr Offset Flags{20};
constexpr unsigned AutoStartScanBit = 6;
constexpr unsigned AtisBit = 7;
constexpr Offset Flags2{21};
constexpr Offset Reserved22{22};
constexpr Offset Reserved23{23};
}  // namespace ChannelField

// The record a new channel gets; `index` is the number of channels already
// in the section (the new channel's 0-based position).
Record defaultChannelRecord(int index, const ModelValues& model);

std::span<const FieldDesc> channelSchema();
