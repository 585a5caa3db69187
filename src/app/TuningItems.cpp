#include "app/TuningItems.h"

#include "model/TuneDataRecord.h"
#include "settings/ListDefinition.h"
#include "settings/TextIds.h"

#include <algorithm>
#include <charconv>

namespace {

int spacingOffset(Spacing s)
{
    switch (s) {
    case Spacing::Wide: return 0;
    case Spacing::Middle: return 5;
    case Spacing::Narrow: return 10;
    }
    return 0;
}

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// A leading decimal number, as "%d" reads it (an optional sign, digits);
// the rest of the text is left in `text`.
std::optional<long> leadingNumber(std::string_view& text)
{
    long value = 0;
    const char* first = text.data();
    if (!text.empty() && *first == '+') ++first;
    const auto [end, ec] = std::from_chars(first, text.data() + text.size(), value);
    if (ec != std::errc()) return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

bool fits16(long v) { return v >= 0 && v <= 0xFFFF; }

}  // namespace

bool TuningItem::hasPoint(Spacing s, int k) const
{
    if (k < 0 || k >= kPoints) return false;
    return (flags >> (spacingOffset(s) + k)) & 1u;
}

bool TuningItem::hasSpacing(Spacing s) const
{
    for (int k = 0; k < kPoints; ++k)
        if (hasPoint(s, k)) return true;
    return false;
}

std::uint16_t TuningItem::registerOf(Spacing s, int k) const
{
    return static_cast<std::uint16_t>(id + spacingOffset(s) + k);
}

std::optional<Spacing> TuningItem::firstSpacing() const
{
    for (Spacing s : {Spacing::Wide, Spacing::Middle, Spacing::Narrow})
        if (hasSpacing(s)) return s;
    return std::nullopt;
}

std::optional<std::uint16_t> TuningItem::firstRegister() const
{
    const std::optional<Spacing> s = firstSpacing();
    if (!s) return std::nullopt;
    for (int k = 0; k < kPoints; ++k)
        if (hasPoint(*s, k)) return registerOf(*s, k);
    return std::nullopt;
}

std::array<bool, 3> TuningItem::spacingButtons() const
{
    std::array<bool, 3> on{};
    const bool wide = hasSpacing(Spacing::Wide);
    const bool narrow = hasSpacing(Spacing::Narrow);
    if (showsMiddle()) {
        on[static_cast<int>(Spacing::Wide)] = wide;
        on[static_cast<int>(Spacing::Middle)] = true;
        on[static_cast<int>(Spacing::Narrow)] = narrow;
    } else {
        on[static_cast<int>(Spacing::Wide)] = wide && narrow;
        on[static_cast<int>(Spacing::Narrow)] = wide && narrow;
    }
    return on;
}

std::vector<TuningItem> parseTuningDefinitions(std::string_view text)
{
    std::string compact(text);
    compact.erase(std::remove_if(compact.begin(), compact.end(), [](char c) { return c == ' '; }), compact.end());
    std::vector<TuningItem> items;
    for (std::string_view entry : split(compact, ';')) {
        const std::optional<long> id = leadingNumber(entry);
        if (!id || entry.empty() || entry.front() != ',') continue;
        entry.remove_prefix(1);
        const std::optional<long> flags = leadingNumber(entry);
        if (!flags || !fits16(*id) || !fits16(*flags)) continue;
        TuningItem item;
        item.id = static_cast<std::uint16_t>(*id);
        item.flags = static_cast<std::uint16_t>(*flags);
        items.push_back(item);
    }
    return items;
}

std::vector<TuningItem> tuningItems(std::string_view names, std::string_view definitions)
{
    const std::vector<TuningItem> defined = parseTuningDefinitions(definitions);
    std::vector<TuningItem> items;
    for (const ListItem& entry : listBoxItems(names)) {
        TuningItem item;
        if (!fits16(entry.value)) continue;
        item.id = static_cast<std::uint16_t>(entry.value);
        item.name = entry.text;
        const auto d = std::find_if(defined.begin(), defined.end(), [&](const TuningItem& t) { return t.id == item.id; });
        if (d != defined.end()) item.flags = d->flags;
        items.push_back(std::move(item));
    }
    return items;
}

std::vector<std::string> tunePointNames(std::string_view text)
{
    std::vector<std::string> names;
    if (text.empty()) return names;
    for (std::string_view part : split(text, ';')) {
        if (names.size() == TuningItem::kPoints) break;
        names.emplace_back(part);
    }
    while (!names.empty() && names.back().empty()) names.pop_back();
    return names;
}

ScrollRange valueScrollRange(std::uint16_t itemId)
{
    ScrollRange r;
    // The reference oscillator's registers (0x8000-0x800E; the shipped
    // list names the item 0x8002) hold values past one byte, 446 in the
    // factory tune data: a one-byte bar would cut them down when moved.
    if (itemId >= 0x8000 && itemId <= 0x800E) r.max = 1474;
    return r;
}

std::uint8_t outputChannel(std::uint16_t reg)
{
    return reg >= 0x8300 && reg <= 0x848F ? 'b' : 'a';
}

int outputCaptionId(std::uint16_t reg, bool checked)
{
    if (outputChannel(reg) == 'b') return checked ? CapId::kTxOnChecked : CapId::kTxOnUnchecked;
    return checked ? CapId::kCarrierOnChecked : CapId::kCarrierOnUnchecked;
}

bool putTuneValue(std::span<std::uint8_t> tuneData, std::uint16_t reg, std::uint16_t value)
{
    const std::size_t offset = tuneDataOffset(reg);
    if (offset + 2 > tuneData.size()) return false;
    const auto bytes = registerBytes(value);
    tuneData[offset] = bytes[0];
    tuneData[offset + 1] = bytes[1];
    return true;
}
