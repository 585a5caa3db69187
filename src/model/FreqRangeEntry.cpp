#include "model/FreqRangeEntry.h"

#include "settings/ProfileFile.h"

std::optional<FreqRangeEntry> parseFreqRangeValue(std::string_view text)
{
    if (text.empty()) return std::nullopt;
    int field[5] = {0, 0, 0, 0, 0};
    for (int i = 0; i < 5; ++i) {
        auto comma = text.find(',');
        field[i] = parseProfileInt(text.substr(0, comma));
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    return FreqRangeEntry{field[0], field[1], field[2], field[3], static_cast<std::uint8_t>(field[4])};
}

std::string formatFreqRangeValue(const FreqRangeEntry& e)
{
    return std::to_string(e.low) + ", " + std::to_string(e.high) + ", " + std::to_string(e.low2) + ", " +
           std::to_string(e.high2) + ", " + std::to_string(e.flags);
}

std::string rangeText(const FreqRangeEntry& e) { return std::to_string(e.low) + "-" + std::to_string(e.high); }
