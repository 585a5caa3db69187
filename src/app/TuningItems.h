#pragma once
// The tuning items of the Adjustment screens. The language file names them
// (caption text 7053, "id.name;...") and defines them (caption text 7054,
// "id,flags;..."): the id is the item's first register and the flags say
// which of up to five points exist at each channel spacing. Point k at a
// spacing is register id + spacing offset + k (offset 0 wide, 5 middle, 10
// narrow).
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The values the sub-item dialog keeps for its spacing buttons.
enum class Spacing : int { Narrow = 0, Middle = 1, Wide = 2 };

struct TuningItem {
    static constexpr int kPoints = 5;
    static constexpr std::uint16_t kVolumeFlag = 0x8000;

    std::uint16_t id = 0;
    std::uint16_t flags = 0;  // 0 when the item has no definition
    std::string name;

    bool hasPoint(Spacing s, int k) const;
    bool hasSpacing(Spacing s) const;
    // The volume controls are for volume items; the output (TX On) button
    // for the others.
    bool isVolumeItem() const { return (flags & kVolumeFlag) != 0; }
    std::uint16_t registerOf(Spacing s, int k) const;
    // The first spacing with a point, in the order wide, middle, narrow.
    std::optional<Spacing> firstSpacing() const;
    // The register of the first point of firstSpacing().
    std::optional<std::uint16_t> firstRegister() const;
    // Which spacing buttons can be pressed (indexed by Spacing). Without
    // middle points the Middle button is hidden, and Wide and Narrow are
    // offered only when both have points: with one spacing there is nothing
    // to switch to.
    std::array<bool, 3> spacingButtons() const;
    bool showsMiddle() const { return hasSpacing(Spacing::Middle); }
};

// The definitions of caption text 7054: blanks are removed, then each
// entry is read as "id,flags". Entries that do not read, or whose numbers
// do not fit 16 bits, are left out.
std::vector<TuningItem> parseTuningDefinitions(std::string_view text);

// The items as the list shows them (caption text 7053, in its order), each
// with the flags of its definition; an item without one gets flags 0 and
// thus no register.
std::vector<TuningItem> tuningItems(std::string_view names, std::string_view definitions);

// Up to five point names (caption text 7067, separated by ";"); empty
// names at the end are dropped.
std::vector<std::string> tunePointNames(std::string_view text);

// The value scroll bar: the reference oscillator (items 0x8000-0x800E) is
// tuned over 0-1474, every other item over one byte. The volume bar always covers 0-255.
struct ScrollRange {
    int min = 0;
    int max = 255;
    int line = 1;
    int page = 10;
    int clamp(int position) const { return position < min ? min : position > max ? max : position; }
};
ScrollRange valueScrollRange(std::uint16_t itemId);
inline constexpr ScrollRange kVolumeScroll{0, 255, 8, 24};
inline constexpr std::uint16_t kVolumeRegister = 0x850B;
inline constexpr int kInitialVolume = 128;

// The output command's first parameter: 'b' keys the transmitter for the
// registers 0x8300-0x848F, 'a' switches the carrier for the others.
std::uint8_t outputChannel(std::uint16_t reg);
// The caption text of the output button for `reg` in the given state.
int outputCaptionId(std::uint16_t reg, bool checked);

// Stores `value` at the register's place in a tune-data area, most
// significant byte first; false when the place lies outside the area.
bool putTuneValue(std::span<std::uint8_t> tuneData, std::uint16_t reg, std::uint16_t value);
// The two bytes the radio sends or takes for a register value.
inline std::array<std::uint8_t, 2> registerBytes(std::uint16_t value)
{
    return {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value & 0xFF)};
}
