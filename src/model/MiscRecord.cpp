#include "model/MiscRecord.h"

#include "model/SectionFields.h"

namespace {

// The factory values go into the existing record: bytes 0-19 are all
// given, later bytes only where a field says so, the rest keep their value.
constexpr FieldDesc kFields[] = {
    fU8("byte_0", 0).factory(5),
    fU8("byte_1", 1).factory(0xFE),
    fU8("byte_2", 2).factory(0x01),
    fU8("byte_3", 3).factory(0xFF),
    fU8("byte_4", 4).factory(0xFF),
    fBits("vox_gain_level", 5, 0, 3, 1406).factory(3),
    fBits("vox_inhibit_on_receive", 5, 3, 1).factory(1),
    fBits("vox_other", 5, 4, 4).factory(0xE),
    fU8("vox_delay_time", 6, 1408).factory(15),
    fU8("byte_7", 7).factory(0),
    fU8("carrier_squelch_level", 8, 1404).factory(5),
    fU8("byte_9", 9).factory(0xF8),
    fU8("byte_10", 10).factory(0),
    fU8("byte_11", 11).factory(0xF0),
    fBytes("bytes_12_19", 12, 8).factory(0xFF),
    fU8("byte_20", 20).factory(0),
    fBytes("bytes_21_22", 21, 2),
    fU16("word_23", 23).swapped().factory(16),
    fU8("byte_25", 25).factory(2),
    fBytes("bytes_26_35", 26, 10),
    fBits("battery_save", 36, 0, 1).factory(1),
    fBits("ctcss_tail_revert", 36, 1, 1, 1402).factory(1),
    fBits("battery_other", 36, 2, 6),
    fU8("low_power_alert_gap", 37, 1414).factory(10),
    fU8("byte_38", 38),
    fU8("byte_39", 39).factory(100),
    fBits("battery_save_mode", 40, 0, 3, 1412).factory(1),
    fBits("byte_40_other", 40, 3, 5),
    fU8("byte_41", 41).factory(0xD1),
    fU8("byte_42", 42).factory(0x01, 0x03),
    fU8("byte_43", 43).factory(0x3C, 0x3F),
    fBits("release_debug_version", 44, 0, 1, 4831).factory(0),
    fBits("factory_option_bit1", 44, 1, 1).factory(0),
    fBits("lcd_version", 44, 2, 1, 4833).factory(1),
    fBits("option_4834", 44, 3, 1).factory(0),
    fBits("option_4835", 44, 4, 1).factory(0),
    fBits("option_4836", 44, 5, 1).factory(0),
    fBits("option_4837", 44, 6, 1).factory(0),
    fBits("factory_option_bit7", 44, 7, 1).factory(1),
    fU8("byte_45", 45).factory(0x0B, 0x0F),
    fU8("byte_46", 46).factory(0x00, 0x01),
    // Also the factory settings block's word at image 228.
    fU16("word_47", 47).swapped().factory(1),
    fU8("byte_49", 49).factory(0),
    fU8("wide_volume", 50),
    fU8("narrow_volume", 51),
    fBytes("bytes_52_72", 52, 21),
};

}  // namespace

std::span<const FieldDesc> miscSchema() { return kFields; }

void loadMiscFactoryValues(Record& r) { applyFactoryValues(r, sectionFields(Section::Misc)); }
