#include "model/FreqBcd.h"

#include <charconv>
#include <cmath>

#include "model/Bcd.h"
#include "settings/RealText.h"

namespace FreqBcd {

std::uint32_t fromUnits(std::uint32_t units)
{
    return Bcd::fromInt(units > kMaxValue ? kMaxValue : units);
}

std::uint32_t toUnits(std::uint32_t word)
{
    return static_cast<std::uint32_t>(Bcd::toInt(word));
}

std::string unitsText(std::uint32_t units)
{
    // Integer arithmetic gives exactly what "%.5f" of units x 0.00001 shows,
    // with a '.' whatever the locale.
    std::string whole = std::to_string(units / kUnitsPerMHz);
    std::string frac = std::to_string(units % kUnitsPerMHz);
    return whole + '.' + std::string(5 - frac.size(), '0') + frac;
}

std::string text(std::uint32_t word)
{
    if (word == kEmpty) return {};
    return unitsText(toUnits(word));
}

std::uint32_t parseUnits(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    std::string s(text);
    for (char& c : s)
        if (c == ',') c = '.';
    const char* first = s.data();
    if (!s.empty() && s.front() == '+') ++first;  // from_chars refuses a plus sign
    double mhz = 0.0;
    const auto [end, ec] = realFromChars(first, s.data() + s.size(), mhz);
    if (ec == std::errc::result_out_of_range) return first[0] == '-' ? 0 : kMaxValue;
    if (ec != std::errc() || end == first || std::isnan(mhz)) return 0;
    const double units = mhz * kUnitsPerMHz + 0.5;
    if (units < 1.0) return 0;
    if (units >= static_cast<double>(kMaxValue) + 1.0) return kMaxValue;
    return static_cast<std::uint32_t>(units);
}

}  // namespace FreqBcd
