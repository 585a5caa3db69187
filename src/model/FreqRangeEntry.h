#pragma once
// One frequency range (band) of a model, as Model.dat lists it:
//   Freq<i>=low, high, low2, high2, flags
// in whole MHz; the flags byte is carried into the radio information
// section of the codeplug.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct FreqRangeEntry {
    std::int32_t low = 136;
    std::int32_t high = 174;
    std::int32_t low2 = 136;
    std::int32_t high2 = 174;
    std::uint8_t flags = 0x80;

    bool operator==(const FreqRangeEntry&) const = default;
};

// Used wherever an entry cannot be read.
constexpr FreqRangeEntry kDefaultFreqRangeEntry{};

// Reads a Freq value: five comma-separated fields taken by position, each
// read as an integer from leading blanks to the first non-digit. Empty text
// gives nullopt; missing fields read as 0.
std::optional<FreqRangeEntry> parseFreqRangeValue(std::string_view text);
// "%d, %d, %d, %d, %d" of low, high, low2, high2, flags.
std::string formatFreqRangeValue(const FreqRangeEntry& entry);
// "%d-%d" of low and high, the FreqRange text of the entry.
std::string rangeText(const FreqRangeEntry& entry);
