#pragma once
// Small formatting helpers shared by the verbs' printed output.
#include <cstdint>
#include <nlohmann/json.hpp>
#include <span>
#include <string>
#include <string_view>

// Text from a file or a radio, safe to print on a terminal: control
// characters become '?'.
std::string printable(std::string_view text);

// "0x8F".
std::string hexByte(std::uint8_t b);

// "FF 00 1A ..." (upper-case pairs separated by blanks).
std::string hexBytes(std::span<const std::uint8_t> bytes);

// Pretty JSON; bytes that are not UTF-8 are replaced instead of throwing.
std::string jsonText(const nlohmann::ordered_json& j);
