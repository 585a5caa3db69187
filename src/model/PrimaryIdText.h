#pragma once
// The PTT-ID primary id as the editors show it: four hexadecimal digits
// from 0001 to DEEE. The radio cannot send a first digit above D or a lower
// digit F, so a stored value beyond that is shown as the nearest one it can.
#include <cstdint>
#include <string>
#include <string_view>

std::string shownPrimaryId(std::uint16_t stored);

// A typed primary id (up to four hexadecimal digits) limited the same way,
// digit by digit: a first digit above D becomes D, a lower one above E
// becomes E; an empty text and 0 give 1.
std::uint16_t enteredPrimaryId(std::string_view typed);
