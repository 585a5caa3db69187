#include "model/TwoToneRecords.h"

namespace {

constexpr FieldDesc kSystemFields[] = {
    fU8("pretime", 0),
    fU8("first_tone_duration", 1),
    fU8("second_tone_duration", 2),
    fU8("long_tone_duration", 3),
    fU8("gap_time", 4),
    fBits("sidetone", 5, 0, 1),
    fBits("short_beep", 5, 1, 1),
    fBits("options_reserved", 5, 2, 4),
    fBits("system_count_minus_1", 5, 6, 2),
    fBits("decode_1_call_format", 6, 0, 4, 5495),
    fBits("decode_1_call_type", 6, 4, 4, 5499),
    fBits("decode_1_alert_tone", 7, 0, 4),
    fBits("decode_1_transpond", 7, 4, 1),
    fBits("decode_1_record", 7, 5, 1),
    fBits("decode_1_reserved", 7, 6, 2),
    fBits("decode_2_call_format", 8, 0, 4, 5496),
    fBits("decode_2_call_type", 8, 4, 4, 5500),
    fBits("decode_2_alert_tone", 9, 0, 4),
    fBits("decode_2_transpond", 9, 4, 1),
    fBits("decode_2_record", 9, 5, 1),
    fBits("decode_2_reserved", 9, 6, 2),
    fBits("decode_3_call_format", 10, 0, 4, 5497),
    fBits("decode_3_call_type", 10, 4, 4, 5501),
    fBits("decode_3_alert_tone", 11, 0, 4),
    fBits("decode_3_transpond", 11, 4, 1),
    fBits("decode_3_record", 11, 5, 1),
    fBits("decode_3_reserved", 11, 6, 2),
    fBits("decode_4_call_format", 12, 0, 4, 5498),
    fBits("decode_4_call_type", 12, 4, 4, 5502),
    fBits("decode_4_alert_tone", 13, 0, 4),
    fBits("decode_4_transpond", 13, 4, 1),
    fBits("decode_4_record", 13, 5, 1),
    fBits("decode_4_reserved", 13, 6, 2),
    fBits("vibrate", 14, 0, 1),
    fBits("led", 14, 1, 1),
    fBits("alerting_reserved", 14, 2, 1),
    fBits("clear_to_transpond", 14, 3, 1),
    fBits("alert_tone_auto_reset", 14, 4, 1),
    fBits("led_auto_reset", 14, 5, 1),
    fBits("vibrate_auto_reset", 14, 6, 1),
    fBits("respond_mode", 14, 7, 1, 5537),
    fU8("transpond_delay", 15),
    fU16("tone_a", 16),
    fU16("tone_b", 18),
    fU16("tone_c", 20),
    fU16("tone_d", 22),
};

constexpr FieldDesc kCallFields[] = {
    fU16("prev_offset", 0),
    fU16("next_offset", 2),
    fBits("system", 4, 0, 2),
    fBits("call_format", 4, 2, 1, 5403),
    fBits("strip_ctcss_cdcss", 4, 3, 1),
    fBits("options_reserved", 4, 4, 4),
    fU16("revert_channel", 5),
    fU16("first_tone", 7),
    fU16("second_tone", 9),
    fU8("kept", 11),
};

// The factory timing and tone words of a system.
constexpr std::uint16_t kFactoryTones[4] = {3217, 9281, 6090, 20438};

}  // namespace

std::span<const FieldDesc> twoToneSystemFields() { return kSystemFields; }
std::span<const FieldDesc> twoToneCallFields() { return kCallFields; }

void applyTwoToneSystemFactoryTiming(Record& r)
{
    using namespace TwoToneSystemField;
    r.setU8(Pretime, 5);
    r.setU8(FirstToneDuration, 10);
    r.setU8(SecondToneDuration, 30);
    r.setU8(LongToneDuration, 50);
    r.setU8(GapTime, 10);
    r.setBit(Options, 0, false);
    r.setBit(Options, 1, true);
    const std::uint8_t formats[kDecodeCount] = {0x3D, 0x3E, 0x35, 0x39};
    for (int k = 0; k < kDecodeCount; ++k) {
        r.setU8(decodeFormat(k), formats[k]);
        r.setBits(decodeAlert(k), 1, 5, 0);  // alert tone 1, no transpond, no record
        r.setBit(decodeAlert(k), 0, true);
    }
    const bool kept = r.bit(Alerting, 2);
    r.setU8(Alerting, 0x7B);
    r.setBit(Alerting, 2, kept);
    r.setU8(TranspondDelay, 5);
    r.setU16(ToneA, kFactoryTones[0]);
    r.setU16(ToneB, kFactoryTones[1]);
    r.setU16(ToneC, kFactoryTones[2]);
    r.setU16(ToneD, kFactoryTones[3]);
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
    using namespace TwoToneCallField;
    Record r(kSize, 0xFF);
    r.setBits(Options, 0, 4, 0);
    r.setU16(RevertChannel, 0);
    r.setU16(FirstTone, 5000);
    r.setU16(SecondTone, 10000);
    return r;
}
