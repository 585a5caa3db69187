#pragma once
// Personality record, 76 bytes.
//
//  0-1  image offset of the previous record   2-3 of the next (LE16, pack)
//  4    rx signalling: bits 0-3 type (2 = two-tone), bits 4-5 system index,
//       bit 7 decode condition              5 tx signalling: type, index
//  8    squelch mode   12 transmit admit (end marker of the list)
//  14-17 time-out time, pre-alert, re-key, reset
//  21-22 PTT-ID primary id (host order; high byte first in the image)
//  23   PTT-ID type    24 bit 0 side tone off, bit 1 short beep off
//  25   PTT-ID pre-time  26 preamble bit sync   27-75 not edited
#include "model/FieldTable.h"
#include "model/Record.h"

#include <span>

namespace PersonalityField {
constexpr std::size_t kSize = 76;
constexpr Offset Prev{0};
constexpr Offset Next{2};
constexpr Offset RxSignal{4};
constexpr Offset TxSignal{5};
constexpr unsigned SignalTypeLo = 0, SignalTypeBits = 4;
constexpr unsigned SignalIndexLo = 4, SignalIndexBits = 2;
constexpr unsigned DecodeConditionBit = 7;
constexpr unsigned kSignalTwoTone = 2;
constexpr Offset SquelchMode{8};
constexpr Offset TxAdmit{12};  // also the end marker of the list
constexpr Offset TimeoutTime{14};
constexpr Offset TimeoutPreAlert{15};
constexpr Offset TimeoutRekey{16};
constexpr Offset TimeoutReset{17};
constexpr Offset PttIdPrimary{21};
constexpr Offset PttIdType{23};
constexpr Offset PttIdOptions{24};
constexpr unsigned SideToneOffBit = 0;
constexpr unsigned ShortBeepOffBit = 1;
constexpr Offset PttIdPreTime{25};
constexpr Offset PreambleBitSync{26};
constexpr Offset PttIdBlock{21};  // bytes 21-26 mirror the PTT-ID section
constexpr std::size_t kPttIdBlockSize = 6;
}  // namespace PersonalityField

Record defaultPersonalityRecord();

std::span<const FieldDesc> personalitySchema();
