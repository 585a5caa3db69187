#pragma once
// Packed BCD numbers: the radio stores frequencies and a few counters as
// decimal digits, two per byte, most significant digit first.
#include <cstdint>
#include <string>

namespace Bcd {

// Integer -> 32-bit BCD word: the number written as eight decimal digits
// ("%08ld"), first digit in the top nibble. Only the low eight digits fit;
// negative numbers give 0.
std::uint32_t fromInt(long value);

// 32-bit BCD word -> integer: the word written in hexadecimal ("%X") and read
// back as a decimal number. Reading stops at the first nibble that is not a
// decimal digit, so the empty word 0xFFFFFFFF reads as 0 (as the radio's own
// software has always read it).
long toInt(std::uint32_t word);

// True when every nibble of the word is a decimal digit.
bool isValid(std::uint32_t word);

// n-digit versions on a digit string ("%0*ld"), used by Record::bcd.
std::string digits(long value, int count);

}  // namespace Bcd
