#pragma once
// List definitions: the ";"-separated item lists that fill choice controls
// and convert between stored values and shown texts. An item is either
//   - a plain item "value.text" (the number before the first "." is the
//     value, the rest - further dots included - is the text), or
//   - a range item "first:step:last:divisor:value0:valuestep:decimals"
//     standing for n = first, first+step, ... <= last; the k-th number is
//     shown as n / divisor (integer quotient when decimals is 0, otherwise a
//     real with that many decimals) and has the value value0 + k*valuestep.
// An item with a ":" anywhere is a range item; one that does not hold seven
// numbers is ignored, as is a plain item without a "." after its first
// character. All functions here are pure.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct RangeRule {
    int first = 0;
    int step = 0;
    int last = 0;
    int divisor = 1;
    int value0 = 0;
    int valueStep = 0;
    int decimals = 0;
};

// The seven numbers also parameterise numeric edit controls, in the order
// minimum:step:maximum:divisor:value0:valuestep:decimals.
using NumericEditParams = RangeRule;

struct ListItem {
    int value = 0;
    std::string text;
    bool operator==(const ListItem&) const = default;
};

enum class ListItemKind { Plain, Range, Ignored };

// More items than this are never generated from one range item, nor from
// one whole definition, so neither 0:1:2000000000 nor a long text of such
// items can exhaust memory.
constexpr int kMaxRangeItems = 100000;

// Reads "%d:%d:%d:%d:%d:%d:%d"; nullopt unless all seven numbers are there.
std::optional<RangeRule> parseRangeRule(std::string_view text);
ListItemKind classifyListItem(std::string_view item);
// The ";"-separated items, empty ones left out.
std::vector<std::string_view> splitListItems(std::string_view definition);

// Text of the range number n (one of first, first+step, ...).
std::string formatRangeNumber(const RangeRule& rule, long long n);
// The items a range stands for, at most `limit`; empty when the rule
// cannot be walked (step <= 0, divisor 0).
std::vector<ListItem> expandRange(const RangeRule& rule, int limit = kMaxRangeItems);

// What a drop-down choice shows: plain items and expanded range items, in
// order, at most kMaxRangeItems of them.
std::vector<ListItem> comboItems(std::string_view definition);
// What a list box shows: the plain items only.
std::vector<ListItem> listBoxItems(std::string_view definition);
// The (value, text) pairs of a definition, as the drop-down shows them.
std::vector<ListItem> listPairs(std::string_view definition);
// For each item, the part before the first "," (or the whole item).
std::vector<std::string> listNames(std::string_view definition);

// The text shown for a stored value; empty when no item gives it.
std::string textForValue(std::string_view definition, int value);
// The stored value for a shown text; -1 when no item gives it.
int valueForText(std::string_view definition, std::string_view text);

std::optional<NumericEditParams> parseNumericEditParams(std::string_view text);
