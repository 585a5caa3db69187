#pragma once
// The 8-byte programming stamp the radio keeps: second, minute, hour, day,
// month, year mod 100, century, 0, each a plain binary byte.
#include <array>
#include <cstdint>
#include <ctime>
#include <string>

using ProgrammingStamp = std::array<std::uint8_t, 8>;

ProgrammingStamp makeProgrammingStamp(const std::tm& local);

// The stamp of the current local time, or of SOURCE_DATE_EPOCH (UTC) when
// that is set to a number of seconds.
ProgrammingStamp programmingStampNow();

// "%Y-%m-%d %H:%M:%S" of a stamp as the radio information shows it; each
// byte is clamped from above first, so a damaged stamp still reads as a
// date. Month or day 0 is shown as stored rather than guessed.
std::string programmingStampText(const ProgrammingStamp& stamp);
