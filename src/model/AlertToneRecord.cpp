#include "model/AlertToneRecord.h"

#include <array>

namespace {

constexpr FieldDesc kFields[] = {
    fU8("cycle", 0, 5003),
    fU8("beep_segments", 1),
    fU8("tone_%_frequency", 2).rows(AlertToneField::kToneCount, 2, 1),
    fU8("tone_%_duration", 3).inRow(),
};

struct Pattern {
    std::uint8_t cycle, segments;
    std::array<std::uint8_t, 8> frequency, duration;
};

// The five factory patterns; later alert tones start silent.
constexpr Pattern kPatterns[] = {
    {1, 3, {210, 1, 210, 1, 210, 1, 210, 1}, {10, 10, 10, 10, 10, 10, 10, 10}},
    {3, 1, {80, 0, 80, 0, 80, 0, 80, 0}, {4, 4, 4, 4, 4, 4, 4, 4}},
    {3, 1, {170, 90, 170, 90, 170, 90, 170, 1}, {3, 3, 3, 3, 3, 3, 3, 0}},
    {3, 1, {64, 94, 134, 163, 192, 1, 1, 1}, {6, 6, 6, 6, 6, 0, 0, 0}},
    {3, 1, {150, 70, 150, 70, 150, 70, 50, 1}, {20, 20, 20, 20, 20, 20, 0, 0}},
};
constexpr Pattern kSilent{0, 0, {}, {}};

}  // namespace

std::span<const FieldDesc> alertToneSchema() { return kFields; }

Record defaultAlertToneRecord(int existing)
{
    using namespace AlertToneField;
    const Pattern& p = (existing <= 0 || existing > 8) ? kPatterns[0]
                       : existing <= 4                 ? kPatterns[existing]
                                                       : kSilent;
    Record r(kSize, 0xFF);
    r.setU8(Cycle, p.cycle);
    r.setU8(BeepSegments, p.segments);
    for (int k = 0; k < kToneCount; ++k) {
        r.setU8(frequency(k), p.frequency[static_cast<std::size_t>(k)]);
        r.setU8(duration(k), p.duration[static_cast<std::size_t>(k)]);
    }
    return r;
}
