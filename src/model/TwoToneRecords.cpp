#include "model/TwoToneRecords.h"

#include "model/SectionFields.h"

namespace {

// The factory timing of a system; applied to a new system and, in the
// packed image only, to a system whose values the radio would misread.
constexpr FieldDesc kSystemFields[] = {
    fU8("pretime", 0).factory(5),
    fU8("first_tone_duration", 1).factory(10),
    fU8("second_tone_duration", 2).factory(30),
    fU8("long_tone_duration", 3).factory(50),
    fU8("gap_time", 4).factory(10),
    fBits("sidetone", 5, 0, 1).factory(0),
    fBits("short_beep", 5, 1, 1).factory(1),
    fBits("options_reserved", 5, 2, 4),
    fBits("system_count_minus_1", 5, 6, 2),
    // Four decoders of two bytes each.
    fBits("decode_%_call_format", 6, 0, 4, 5495).rows(TwoToneSystemField::kDecodeCount, 2, 1).listStepsPerRow(),
    fBits("decode_%_call_type", 6, 4, 4, 5499).inRow().listStepsPerRow().factory(3),
    fBits("decode_%_alert_tone", 7, 0, 4).inRow().factory(1),
    fBits("decode_%_transpond", 7, 4, 1).inRow().factory(0),
    fBits("decode_%_record", 7, 5, 1).inRow().factory(0),
    fBits("decode_%_reserved", 7, 6, 2).inRow(),
    fBits("vibrate", 14, 0, 1).factory(1),
    fBits("led", 14, 1, 1).factory(1),
    fBits("alerting_reserved", 14, 2, 1),
    fBits("clear_to_transpond", 14, 3, 1).factory(1),
    fBits("alert_tone_auto_reset", 14, 4, 1).factory(1),
    fBits("led_auto_reset", 14, 5, 1).factory(1),
    fBits("vibrate_auto_reset", 14, 6, 1).factory(1),
    fBits("respond_mode", 14, 7, 1, 5537).factory(0),
    fU8("transpond_delay", 15).factory(5),
    fU16("tone_a", 16).swapped().factory(3217),
    fU16("tone_b", 18).swapped().factory(9281),
    fU16("tone_c", 20).swapped().factory(6090),
    fU16("tone_d", 22).swapped().factory(20438),
};

// A new call starts all 0xFF.
constexpr FieldDesc kCallFields[] = {
    fU16("prev_offset", 0),
    fU16("next_offset", 2),
    fBits("system", 4, 0, 2).factory(0),
    fBits("call_format", 4, 2, 1, 5403).factory(0),
    fBits("strip_ctcss_cdcss", 4, 3, 1).factory(0),
    fBits("options_reserved", 4, 4, 4),
    fU16("revert_channel", 5).factory(0),
    fU16("first_tone", 7).factory(5000),
    fU16("second_tone", 9).factory(10000),
    fU8("kept", 11),
};

// The factory call format of each decoder.
constexpr unsigned kFactoryFormats[TwoToneSystemField::kDecodeCount] = {0xD, 0xE, 0x5, 0x9};

}  // namespace

std::span<const FieldDesc> twoToneSystemSchema() { return kSystemFields; }
std::span<const FieldDesc> twoToneCallSchema() { return kCallFields; }

void applyTwoToneSystemFactoryTiming(Record& r)
{
    using namespace TwoToneSystemField;
    applyFactoryValues(r, sectionFields(Section::TwoToneSystems));
    for (int k = 0; k < kDecodeCount; ++k) r.setBits(decodeFormat(k), 0, 4, kFactoryFormats[k]);
}

Record defaultTwoToneSystemRecord()
{
    Record r(TwoToneSystemField::kSize, 0xFF);
    applyTwoToneSystemFactoryTiming(r);
    return r;
}

bool isTwoToneSystemValid(const Record& r)
{
    using namespace TwoToneSystemField;
    auto within = [&](Offset off, int lo, int hi) { return r.u8(off) >= lo && r.u8(off) <= hi; };
    if (!within(Pretime, 0, 50) || !within(FirstToneDuration, 5, 40) || !within(SecondToneDuration, 5, 40) ||
        !within(LongToneDuration, 50, 100) || !within(GapTime, 0, 20))
        return false;
    for (int k = 0; k < kDecodeCount; ++k)
        if (r.bits(decodeFormat(k), 4, 4) > 3) return false;
    return true;
}

Record defaultTwoToneCallRecord()
{
    Record r(TwoToneCallField::kSize, 0xFF);
    applyFactoryValues(r, sectionFields(Section::TwoToneCalls));
    return r;
}
