#pragma once
// Alert tone record, 18 bytes: a cycle value, a beep segment number and
// eight tones, each a frequency code and a duration code.
//
//  0 cycle   1 beep segment number   2+2k tone k+1 frequency   3+2k duration
//  (byte 3, the first duration, is the end marker of the list)
#include "model/FieldTable.h"
#include "model/Record.h"

#include <span>

namespace AlertToneField {
constexpr std::size_t kSize = 18;
constexpr Offset Cycle{0};
constexpr Offset BeepSegments{1};
constexpr int kToneCount = 8;
constexpr Offset frequency(int k) { return 2 + static_cast<Offset>(2 * k); }
constexpr Offset duration(int k) { return 3 + static_cast<Offset>(2 * k); }
}  // namespace AlertToneField

// The factory pattern of a new alert tone; `existing` is the number of alert
// tones already in the list, so the first five differ.
Record defaultAlertToneRecord(int existing);

std::span<const FieldDesc> alertToneSchema();
