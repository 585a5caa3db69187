#include "model/MiscRecord.h"

namespace {

constexpr FieldDesc kFields[] = {
    fU8("byte_0", 0),
    fU8("byte_1", 1),
    fU8("byte_2", 2),
    fU8("byte_3", 3),
    fU8("byte_4", 4),
    fBits("vox_gain_level", 5, 0, 3, 1406),
    fBits("vox_inhibit_on_receive", 5, 3, 1),
    fBits("vox_other", 5, 4, 4),
    fU8("vox_delay_time", 6, 1408),
    fU8("byte_7", 7),
    fU8("carrier_squelch_level", 8, 1404),
    fU8("byte_9", 9),
    fU8("byte_10", 10),
    fU8("byte_11", 11),
    fBytes("bytes_12_19", 12, 8),
    fU8("byte_20", 20),
    fBytes("bytes_21_22", 21, 2),
    fU16("word_23", 23),
    fU8("byte_25", 25),
    fBytes("bytes_26_35", 26, 10),
    fBits("battery_save", 36, 0, 1),
    fBits("ctcss_tail_revert", 36, 1, 1, 1402),
    fBits("battery_other", 36, 2, 6),
    fU8("low_power_alert_gap", 37, 1414),
    fU8("byte_38", 38),
    fU8("byte_39", 39),
    fBits("battery_save_mode", 40, 0, 3, 1412),
    fBits("byte_40_other", 40, 3, 5),
    fU8("byte_41", 41),
    fU8("byte_42", 42),
    fU8("byte_43", 43),
    fBits("release_debug_version", 44, 0, 1, 4831),
    fBits("factory_option_bit1", 44, 1, 1),
    fBits("lcd_version", 44, 2, 1, 4833),
    fBits("option_4834", 44, 3, 1),
    fBits("option_4835", 44, 4, 1),
    fBits("option_4836", 44, 5, 1),
    fBits("option_4837", 44, 6, 1),
    fBits("factory_option_bit7", 44, 7, 1),
    fU8("byte_45", 45),
    fU8("byte_46", 46),
    fU16("word_47", 47),
    fU8("byte_49", 49),
    fU8("wide_volume", 50),
    fU8("narrow_volume", 51),
    fBytes("bytes_52_72", 52, 21),
};

}  // namespace

std::span<const FieldDesc> miscFields() { return kFields; }

void loadMiscFactoryValues(Record& r)
{
    r.fillBytes(0, 20, 0xFF);
    r.setU8(0, 5);
    r.setBit(1, 0, false);
    r.setBits(2, 1, 7, 0);
    r.setBit(5, 2, false);
    r.setBit(5, 4, false);
    r.setBits(5, 0, 2, 3);
    r.setBit(5, 3, true);
    r.setU8(6, 15);
    r.setU8(7, 0);
    r.setU8(8, 5);
    r.setBits(9, 0, 3, 0);
    r.setU8(10, 0);
    r.setBits(11, 0, 4, 0);
    r.setU8(20, 0);
    r.setU16(MiscField::Word23, 16);
    r.setU8(25, 2);
    r.setBits(36, 0, 2, 3);
    r.setU8(37, 10);
    r.setU8(39, 100);
    r.setBit(40, 0, true);
    r.setBits(40, 1, 2, 0);
    r.setU8(41, 0xD1);
    r.setBit(42, 0, true);
    r.setBit(42, 1, false);
    r.setBits(43, 0, 2, 0);
    r.setBits(43, 2, 4, 0xF);
    r.setU8(44, 0x84);
    r.setBits(45, 0, 2, 3);
    r.setBit(45, 2, false);
    r.setBit(45, 3, true);
    r.setBit(46, 0, false);
    r.setU16(MiscField::Word47, 1);
    r.setU8(49, 0);
}
