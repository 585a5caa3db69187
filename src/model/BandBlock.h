#pragma once
// The band block of a radio's identity: 9 bytes
//   [0]     flags byte
//   [1..4]  lower band edge, 8 packed BCD digits, unit 10 Hz, top digits first
//   [5..8]  upper band edge, same coding
// An edge of four 0xFF bytes counts as 0 MHz.
#include "model/FreqRangeEntry.h"

#include <array>
#include <cstdint>

using BandBlock = std::array<std::uint8_t, 9>;

// Edge in whole MHz: the digits read as a number of 10 Hz units, cut to MHz.
// Reading stops at the first nibble that is not a decimal digit, so the empty
// edge FF FF FF FF gives 0.
int bandEdgeMHz(const std::uint8_t* fourBytes);

// flags, low, high, low2 = low, high2 = high.
FreqRangeEntry decodeBandBlock(const BandBlock& block);
