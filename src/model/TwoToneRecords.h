#pragma once
// Two-tone signalling records.
//
// System, 24 bytes:
//  0 pretime (end marker)  1 1st tone duration  2 2nd tone duration
//  3 long tone duration  4 gap time  5 bit 0 sidetone, bit 1 short beep,
//  bits 6-7 number of systems minus 1 (written by pack)
//  6/8/10/12 decode 1-4: bits 0-3 call format, bits 4-7 call type
//  7/9/11/13 decode 1-4: bits 0-3 alert tone number (1-based, 0 none),
//            bit 4 transpond, bit 5 record
//  14 vibrate, LED, clear to transpond, auto resets, respond mode
//  15 transpond delay   16-23 tones A-D (host order; high byte first in the image)
//
// Call, 12 bytes:
//  0-1 image offset of the previous call  2-3 of the next (LE16, pack)
//  4 bits 0-1 system index, bit 2 call format, bit 3 strip CTCSS/CDCSS
//  5-6 revert channel (LE16, 1-based, 0 none)  7-8 1st tone  9-10 2nd tone
#include "model/FieldTable.h"
#include "model/Record.h"

#include <span>

namespace TwoToneSystemField {
constexpr std::size_t kSize = 24;
constexpr Offset Pretime{0};  // also the end marker
constexpr Offset FirstToneDuration{1};
constexpr Offset SecondToneDuration{2};
constexpr Offset LongToneDuration{3};
constexpr Offset GapTime{4};
constexpr Offset Options{5};
constexpr unsigned CountLo = 6, CountBits = 2;
constexpr int kDecodeCount = 4;
constexpr Offset decodeFormat(int k) { return 6 + static_cast<Offset>(2 * k); }  // bits 0-3 format, 4-7 type
constexpr Offset decodeAlert(int k) { return 7 + static_cast<Offset>(2 * k); }   // bits 0-3 alert tone number
constexpr Offset Alerting{14};
constexpr Offset TranspondDelay{15};
constexpr Offset ToneA{16};
constexpr Offset ToneB{18};
constexpr Offset ToneC{20};
constexpr Offset ToneD{22};
}  // namespace TwoToneSystemField

namespace TwoToneCallField {
constexpr std::size_t kSize = 12;
constexpr Offset Prev{0};
constexpr Offset Next{2};
constexpr Offset Options{4};  // bits 0-1 system index
constexpr Offset RevertChannel{5};
constexpr Offset FirstTone{7};
constexpr Offset SecondTone{9};
constexpr Offset Kept{11};
}  // namespace TwoToneCallField

Record defaultTwoToneSystemRecord();
Record defaultTwoToneCallRecord();

// The image copy of a system must hold sane timing values; a record whose
// values are out of range is written with the factory timing instead.
bool isTwoToneSystemValid(const Record& system);
void applyTwoToneSystemFactoryTiming(Record& system);

std::span<const FieldDesc> twoToneSystemSchema();
std::span<const FieldDesc> twoToneCallSchema();
