#pragma once
// The PTT-ID primary id as the editors show it: four hexadecimal digits
// from 0001 to DEEE. The radio cannot send a first digit above D or a lower
// digit F, so a stored value beyond that is shown as the nearest one it can.
#include <cstdint>
#include <string>

std::string shownPrimaryId(std::uint16_t stored);
