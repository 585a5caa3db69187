#include "settings/ListDefinition.h"

#include "settings/ProfileFile.h"
#include "settings/RealText.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// One "%d" conversion: optional blanks, optional sign, at least one digit.
// Advances `pos`; values beyond int are clamped.
bool scanInt(std::string_view s, std::size_t& pos, long long& out)
{
    std::size_t i = pos;
    while (i < s.size() && isBlank(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    std::size_t digits = i;
    long long v = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        if (v < 10'000'000'000LL) v = v * 10 + (s[i] - '0');
        ++i;
    }
    if (i == digits) return false;
    v = negative ? -v : v;
    out = v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : v;
    pos = i;
    return true;
}

// A "%lf"-like read in the C locale: optional blanks, then a number.
bool scanReal(std::string_view s, double& out)
{
    std::size_t i = 0;
    while (i < s.size() && isBlank(s[i])) ++i;
    if (i < s.size() && s[i] == '+') ++i;
    auto [ptr, ec] = realFromChars(s.data() + i, s.data() + s.size(), out);
    return ec == std::errc() && ptr != s.data() + i;
}

// Products of two ints and a difference can exceed 64 bits.
using Wide = __int128;

int clampInt(Wide v) { return v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : static_cast<int>(v); }

// a / b rounded to the nearest integer, halves away from zero; b > 0.
Wide divideToNearest(Wide a, Wide b)
{
    return a >= 0 ? (2 * a + b) / (2 * b) : -((-2 * a + b) / (2 * b));
}

bool walkable(const RangeRule& r) { return r.step > 0 && r.divisor != 0; }

ListItem plainItem(std::string_view item)
{
    auto dot = item.find('.');
    return {parseProfileInt(item.substr(0, dot)), std::string(item.substr(dot + 1))};
}

}  // namespace

std::optional<RangeRule> parseRangeRule(std::string_view text)
{
    long long v[7];
    std::size_t pos = 0;
    for (int i = 0; i < 7; ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != ':') return std::nullopt;
            ++pos;
        }
        if (!scanInt(text, pos, v[i])) return std::nullopt;
    }
    return RangeRule{int(v[0]), int(v[1]), int(v[2]), int(v[3]), int(v[4]), int(v[5]), int(v[6])};
}

ListItemKind classifyListItem(std::string_view item)
{
    if (item.find(':') != std::string_view::npos)
        return parseRangeRule(item) ? ListItemKind::Range : ListItemKind::Ignored;
    auto dot = item.find('.');
    return dot != std::string_view::npos && dot > 0 ? ListItemKind::Plain : ListItemKind::Ignored;
}

std::vector<std::string_view> splitListItems(std::string_view definition)
{
    std::vector<std::string_view> items;
    while (!definition.empty()) {
        auto semi = definition.find(';');
        std::string_view item = definition.substr(0, semi);
        if (!item.empty()) items.push_back(item);
        if (semi == std::string_view::npos) break;
        definition.remove_prefix(semi + 1);
    }
    return items;
}

std::string formatRangeNumber(const RangeRule& rule, long long n)
{
    if (rule.divisor == 0) return {};
    char buf[64];
    if (rule.decimals == 0) {
        std::snprintf(buf, sizeof buf, "%lld", n / rule.divisor);
    } else {
        int decimals = rule.decimals < 0 ? 0 : rule.decimals > 15 ? 15 : rule.decimals;
        std::snprintf(buf, sizeof buf, "%.*f", decimals,
                      static_cast<double>(n) / static_cast<double>(rule.divisor));
    }
    return buf;
}

std::vector<ListItem> expandRange(const RangeRule& rule, int limit)
{
    std::vector<ListItem> items;
    if (!walkable(rule)) return items;
    long long k = 0;
    for (long long n = rule.first; n <= rule.last && k < std::min(limit, kMaxRangeItems); n += rule.step, ++k)
        items.push_back({clampInt(rule.value0 + k * rule.valueStep), formatRangeNumber(rule, n)});
    return items;
}

std::vector<ListItem> comboItems(std::string_view definition)
{
    std::vector<ListItem> items;
    for (auto item : splitListItems(definition)) {
        const int room = kMaxRangeItems - static_cast<int>(items.size());
        if (room <= 0) break;
        switch (classifyListItem(item)) {
        case ListItemKind::Plain: items.push_back(plainItem(item)); break;
        case ListItemKind::Range: {
            auto expanded = expandRange(*parseRangeRule(item), room);
            items.insert(items.end(), expanded.begin(), expanded.end());
            break;
        }
        case ListItemKind::Ignored: break;
        }
    }
    return items;
}

std::vector<ListItem> listBoxItems(std::string_view definition)
{
    std::vector<ListItem> items;
    for (auto item : splitListItems(definition))
        if (classifyListItem(item) == ListItemKind::Plain) items.push_back(plainItem(item));
    return items;
}

std::vector<ListItem> listPairs(std::string_view definition) { return comboItems(definition); }

std::vector<std::string> listNames(std::string_view definition)
{
    std::vector<std::string> names;
    for (auto item : splitListItems(definition)) names.emplace_back(item.substr(0, item.find(',')));
    return names;
}

std::string textForValue(std::string_view definition, int value)
{
    for (auto item : splitListItems(definition)) {
        switch (classifyListItem(item)) {
        case ListItemKind::Plain: {
            ListItem p = plainItem(item);
            if (p.value == value) return p.text;
            break;
        }
        case ListItemKind::Range: {
            RangeRule r = *parseRangeRule(item);
            if (!walkable(r)) break;
            Wide v = value;
            Wide top = r.value0 + Wide(r.valueStep) * (Wide(r.last) - r.first) / r.step;
            // A negative value step makes the values descend from value0.
            if (v < std::min<Wide>(r.value0, top) || v > std::max<Wide>(r.value0, top)) break;
            Wide x = r.valueStep == 0 ? Wide(r.first)
                                      : r.first + Wide(r.step) * (v - r.value0) / r.valueStep;
            return formatRangeNumber(r, static_cast<long long>(x));
        }
        case ListItemKind::Ignored: break;
        }
    }
    return {};
}

int valueForText(std::string_view definition, std::string_view text)
{
    for (auto item : splitListItems(definition)) {
        switch (classifyListItem(item)) {
        case ListItemKind::Plain: {
            ListItem p = plainItem(item);
            if (p.text == text) return p.value;
            break;
        }
        case ListItemKind::Range: {
            RangeRule r = *parseRangeRule(item);
            if (!walkable(r)) break;
            long long n = 0;
            if (r.decimals == 0) {
                std::size_t pos = 0;
                if (!scanInt(text, pos, n)) break;
                n *= r.divisor;  // the shown number is n / divisor
            } else {
                double real = 0;
                if (!scanReal(text, real)) break;
                double scaled = r.divisor * real;
                if (!(scaled > -1e15 && scaled < 1e15)) break;
                // Nearest, not toward zero: -0.02 * 100 is -1.9999... and
                // must read as -2, as 0.3 * 3 must read as 1.
                n = std::llround(scaled);
            }
            // The number of steps from first, to the nearest step for a
            // number between two of them.
            return clampInt(r.value0 + divideToNearest(Wide(n) - r.first, r.step) * r.valueStep);
        }
        case ListItemKind::Ignored: break;
        }
    }
    return -1;
}

std::optional<NumericEditParams> parseNumericEditParams(std::string_view text)
{
    return parseRangeRule(text);
}
