#pragma once
// Tone squelch words, one for receive and one for transmit:
//   bits 15-14  type: 0 none, 1 CTCSS, 2 and 3 CDCSS (two digital variants)
//   bit  13     set when the value is not in the standard table of its type
//   bit  12     not ours: kept as it is on every write
//   bits 11-0   CTCSS: tenths of a hertz; CDCSS: the code's octal digits as
//               one octal number (D023 is 0o23 = 19)
// With type 0 the value bits keep whatever they held.
#include <cstdint>
#include <string>
#include <string_view>

namespace ToneWord {

constexpr std::uint16_t kTypeMask = 0xC000;
constexpr std::uint16_t kNonStandardBit = 0x2000;
constexpr std::uint16_t kKeepBit = 0x1000;
constexpr std::uint16_t kValueMask = 0x0FFF;

constexpr unsigned kTypeNone = 0;
constexpr unsigned kTypeCtcss = 1;

constexpr unsigned type(std::uint16_t w) { return w >> 14; }
constexpr bool nonStandard(std::uint16_t w) { return (w & kNonStandardBit) != 0; }
constexpr unsigned value(std::uint16_t w) { return w & kValueMask; }
constexpr bool isCdcssType(unsigned t) { return t == 2 || t == 3; }

constexpr unsigned kCtcssMin = 400;   // 40.0 Hz
constexpr unsigned kCtcssMax = 3000;  // 300.0 Hz
constexpr unsigned kCdcssMax = 511;   // 0o777

// "%.1f" Hz of a value in tenths: 670 -> "67.0".
std::string ctcssText(unsigned tenths);
// "%03o" of a code value: 19 -> "023".
std::string cdcssText(unsigned code);

// What the two tone boxes show for a word: its own kind shows its value;
// the box of the other kind (and both boxes with type 0) shows the first
// table entry, "67.0" and "023".
std::string ctcssBoxText(std::uint16_t w);
std::string cdcssBoxText(std::uint16_t w);

// A typed CTCSS tone in Hz to tenths, clamped to 400..3000.
unsigned parseCtcss(std::string_view text);

struct CdcssEntry {
    unsigned code;            // the octal value, 0..511
    unsigned decimalLooking;  // the typed number after the clamp to 777
};
// A typed CDCSS code ("23" or "023") read as a decimal number, clamped to
// 777, its three digits then read as octal digits; at most 511.
CdcssEntry parseCdcss(std::string_view text);

// Writes a tone pair back: the type first; with type 0 nothing else
// changes; otherwise the box of that type is parsed, the value bits are
// replaced and the non-standard bit recomputed. Bit 12 is kept.
std::uint16_t write(std::uint16_t word, unsigned newType, std::string_view ctcssBox,
                    std::string_view cdcssBox);

}  // namespace ToneWord
