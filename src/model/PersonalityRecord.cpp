#include "model/PersonalityRecord.h"

#include "model/SectionFields.h"

namespace {

// A new personality starts all 0xFF.
constexpr FieldDesc kFields[] = {
    fU16("prev_offset", 0),
    fU16("next_offset", 2),
    fBits("rx_signal_type", 4, 0, 4, 2402).factory(0),
    fBits("rx_signal_system", 4, 4, 2).factory(0),
    fBits("rx_signal_bit6", 4, 6, 1).factory(1),
    fBits("decode_condition", 4, 7, 1, 2413).factory(0),
    fBits("tx_signal_type", 5, 0, 4, 2407).factory(0),
    fBits("tx_signal_system", 5, 4, 2).factory(0),
    fBits("tx_signal_bits67", 5, 6, 2).factory(3),
    fU8("byte_6", 6),
    fU8("byte_7", 7).factory(0),
    fU8("squelch_mode", 8, 2351).factory(1),
    fU8("byte_9", 9).factory(0),
    fU8("byte_10", 10).factory(0),
    fU8("byte_11", 11).factory(0, 0x03),
    fU8("tx_admit", 12, 2321).factory(1),
    fU8("byte_13", 13).factory(0),
    fU8("timeout_time", 14, 2325).factory(60),
    fU8("timeout_pre_alert", 15, 2327).factory(10),
    fU8("timeout_rekey", 16, 2329).factory(0),
    fU8("timeout_reset", 17, 2331).factory(0),
    fU8("byte_18", 18).factory(0),
    fU8("byte_19", 19).factory(1),
    fU8("byte_20", 20).factory(10),
    fU16("ptt_id_primary", 21).swapped().factory(1),
    fU8("ptt_id_type", 23, 2565).factory(0),
    fBits("side_tone_off", 24, 0, 1).factory(1),
    fBits("short_beep_off", 24, 1, 1).factory(0),
    fBits("ptt_id_options_other", 24, 2, 6),
    fU8("ptt_id_pre_time", 25, 2567).factory(25),
    fU8("preamble_bit_sync", 26, 2569).factory(5),
    fBytes("unused", 27, 49),
};

}  // namespace

std::span<const FieldDesc> personalitySchema() { return kFields; }

Record defaultPersonalityRecord()
{
    Record r(PersonalityField::kSize, 0xFF);
    applyFactoryValues(r, sectionFields(Section::Personalities));
    return r;
}
