#include "model/ToneWord.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "model/ToneTables.h"
#include "settings/RealText.h"

namespace ToneWord {

namespace {

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    return s;
}

}  // namespace

std::string ctcssText(unsigned tenths)
{
    return std::to_string(tenths / 10) + '.' + std::to_string(tenths % 10);
}

std::string cdcssText(unsigned code)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%03o", code & kValueMask);
    return buf;
}

std::string ctcssBoxText(std::uint16_t w)
{
    return type(w) == kTypeCtcss ? ctcssText(value(w)) : ctcssText(ToneTables::kCtcssTenths[0]);
}

std::string cdcssBoxText(std::uint16_t w)
{
    return isCdcssType(type(w)) ? cdcssText(value(w)) : "023";
}

unsigned parseCtcss(std::string_view text)
{
    // Locale-independent: a decimal comma is read like a point.
    std::string s(trimmed(text));
    for (char& c : s)
        if (c == ',') c = '.';
    double hz = 0.0;
    const auto [end, ec] = realFromChars(s.data(), s.data() + s.size(), hz);
    if (ec == std::errc::result_out_of_range) hz = s.starts_with('-') ? 0.0 : 1e9;
    else if (ec != std::errc() || std::isnan(hz)) hz = 0.0;
    const double tenths = hz * 10.0 + 0.001;
    if (tenths < kCtcssMin) return kCtcssMin;
    if (tenths > kCtcssMax) return kCtcssMax;
    return static_cast<unsigned>(tenths);
}

CdcssEntry parseCdcss(std::string_view text)
{
    const std::string_view s = trimmed(text);
    long n = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (ec == std::errc::result_out_of_range) n = s.starts_with('-') ? 0 : 777;
    else if (ec != std::errc()) n = 0;
    if (n < 0) n = 0;
    if (n > 776) n = 777;
    // The three decimal digits are taken as octal digits; 8 and 9 simply
    // carry into the next place, as they always have.
    const unsigned d = static_cast<unsigned>(n);
    unsigned code = (d / 100) * 64 + (d / 10 % 10) * 8 + d % 10;
    if (code > kCdcssMax) code = kCdcssMax;
    return {code, d};
}

std::uint16_t write(std::uint16_t word, unsigned newType, std::string_view ctcssBox,
                    std::string_view cdcssBox)
{
    word = static_cast<std::uint16_t>((word & ~kTypeMask) | ((newType & 3u) << 14));
    unsigned v = 0;
    bool standard = false;
    if (newType == kTypeCtcss) {
        v = parseCtcss(ctcssBox);
        standard = ToneTables::isStandardCtcss(v);
    } else if (isCdcssType(newType)) {
        const CdcssEntry e = parseCdcss(cdcssBox);
        v = e.code;
        standard = ToneTables::isStandardCdcss(e.decimalLooking);
    } else {
        return word;
    }
    word = static_cast<std::uint16_t>((word & (kTypeMask | kKeepBit)) | (v & kValueMask));
    if (!standard) word |= kNonStandardBit;
    return word;
}

}  // namespace ToneWord
