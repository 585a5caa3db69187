#pragma once
// The three small signalling sections.
//
// PTT-ID, 6 bytes: 0-1 primary id (host order; high byte first in the image),
//   2 type, 3 bit 0 side tone off, bit 1 short beep off, 4 pretime, 5 preamble.
// DOS, 2 bytes: 0 bit 0 enable, bits 4-7 kept; 1 pre-mute duration.
// ATIS, 7 bytes: 0-5 twelve BCD digits, 6 pretime.
#include "model/FieldTable.h"
#include "model/Record.h"

#include <span>

namespace PttIdField {
constexpr std::size_t kSize = 6;
constexpr Offset Primary{0};
constexpr Offset Type{2};
constexpr Offset Options{3};
constexpr Offset PreTime{4};
constexpr Offset PreambleBitSync{5};
}  // namespace PttIdField

namespace DosField {
constexpr std::size_t kSize = 2;
constexpr Offset Options{0};
constexpr unsigned EnableBit = 0;
constexpr Offset PreMute{1};
}  // namespace DosField

namespace AtisField {
constexpr std::size_t kSize = 7;
constexpr Offset Code{0};
constexpr int kDigits = 12;
constexpr Offset PreTime{6};
}  // namespace AtisField

void loadPttIdFactoryValues(Record& pttId);
void loadDosFactoryValues(Record& dos);
void loadAtisFactoryValues(Record& atis);

std::span<const FieldDesc> pttIdSchema();
std::span<const FieldDesc> dosSchema();
std::span<const FieldDesc> atisSchema();
