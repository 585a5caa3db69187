#pragma once
// Digit strings packed two digits per byte, first digit in the high nibble
// of the first byte (an ATIS code of 12 digits fills 6 bytes).
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace DigitBcd {

// "%02X" per byte: a byte the radio left at 0xFF shows as "FF".
std::string text(std::span<const std::uint8_t> bytes);

// Packs a text into bytes.size() bytes: the text is left-padded with '0'
// to two digits per byte (a longer text keeps its first digits). Hex
// letters pack to their nibble, so a shown "FF" is written back unchanged;
// any other character counts as 0.
void pack(std::string_view text, std::span<std::uint8_t> bytes);

}  // namespace DigitBcd
