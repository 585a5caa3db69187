#pragma once
// The PTT-ID identities as the radio can send them. A primary id is four
// hexadecimal digits from 0001 to DEEE: the first digit at most D and the
// three after it at most E (the radio uses digit F as a separator), never
// 0000. A group id is three digits of 0-E.
#include <cstdint>
#include <string>
#include <string_view>

namespace PttIdValues {

// A stored primary id made sendable: clamped to DEEE, digits corrected, 0 -> 1.
std::uint16_t sendablePrimaryId(std::uint16_t stored);
// The id a typed text stands for (hexadecimal, at most four digits used;
// empty or unreadable -> 1), made sendable.
std::uint16_t primaryIdOfText(std::string_view text);
// "%04X".
std::string primaryIdText(std::uint16_t id);

// A typed group id: its last three hexadecimal digits, F -> E, empty or
// unreadable -> 1, as "%03X".
std::string groupIdText(std::string_view text);

}  // namespace PttIdValues
