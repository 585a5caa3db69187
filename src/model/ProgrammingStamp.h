#pragma once
// The 8-byte programming stamp the radio keeps: second, minute, hour, day,
// month, year mod 100, century, 0, each a plain binary byte.
#include <array>
#include <cstdint>
#include <ctime>

using ProgrammingStamp = std::array<std::uint8_t, 8>;

ProgrammingStamp makeProgrammingStamp(const std::tm& local);

// The stamp of the current local time, or of SOURCE_DATE_EPOCH (UTC) when
// that is set to a number of seconds.
ProgrammingStamp programmingStampNow();
