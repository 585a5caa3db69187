#pragma once
// The standard sub-audible tone tables, in the order the tone lists show
// them. CTCSS tones are held in tenths of a hertz (exact, so a tone word
// value is compared without floating-point truncation); CDCSS codes are
// held as the decimal-looking number of their three octal digits (023 is 23).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ToneTables {

extern const std::array<std::uint16_t, 50> kCtcssTenths;
extern const std::array<std::uint16_t, 104> kCdcssCodes;

bool isStandardCtcss(unsigned tenths);
bool isStandardCdcss(unsigned decimalLooking);  // membership of e.g. 23 for D023

// The tone list items: CTCSS "%.1f" Hz, CDCSS "%03d" of the table numbers.
std::vector<std::string> ctcssItems();
std::vector<std::string> cdcssItems();

}  // namespace ToneTables
