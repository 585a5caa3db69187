#pragma once
// Frequency words: eight packed BCD digits giving the frequency in units of
// 10 Hz (400.125 MHz is the number 40012500, held as the word 0x40012500).
// The record holds the word as a native 32-bit value; all ones means "no
// frequency" and shows as an empty text. Conversions here never depend on
// the C locale, so a decimal comma in the user's locale cannot change them.
#include <cstdint>
#include <string>
#include <string_view>

namespace FreqBcd {

constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;      // no frequency
constexpr std::uint32_t kMaxValue = 99999999u;     // largest eight-digit number
constexpr std::uint32_t kUnitsPerMHz = 100000u;    // 10 Hz units in one MHz

// Packs a number of 10 Hz units into the BCD word (Bcd::fromInt). Numbers
// above eight digits cannot be encoded and are saturated to 99999999 rather
// than losing their top digits.
std::uint32_t fromUnits(std::uint32_t units);

// The number the word's digits spell (Bcd::toInt): a nibble that is not a
// decimal digit ends it, so the empty word gives 0.
std::uint32_t toUnits(std::uint32_t word);

// "%.5f" MHz of a number of 10 Hz units: 40012500 -> "400.12500".
std::string unitsText(std::uint32_t units);

// The text of a word: empty for kEmpty, otherwise unitsText of its number.
std::string text(std::uint32_t word);

// Reads a frequency typed in MHz and rounds it to the nearest 10 Hz.
// Both '.' and ',' are accepted as the decimal point; surrounding blanks
// are ignored. Text that holds no number reads as 0; negative numbers
// give 0 and numbers beyond eight digits give kMaxValue.
std::uint32_t parseUnits(std::string_view text);

}  // namespace FreqBcd
