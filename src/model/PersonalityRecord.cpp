#include "model/PersonalityRecord.h"

namespace {

constexpr FieldDesc kFields[] = {
    fU16("prev_offset", 0),
    fU16("next_offset", 2),
    fBits("rx_signal_type", 4, 0, 4, 2402),
    fBits("rx_signal_system", 4, 4, 2),
    fBits("rx_signal_bit6", 4, 6, 1),
    fBits("decode_condition", 4, 7, 1, 2413),
    fBits("tx_signal_type", 5, 0, 4, 2407),
    fBits("tx_signal_system", 5, 4, 2),
    fBits("tx_signal_bits67", 5, 6, 2),
    fU8("byte_6", 6),
    fU8("byte_7", 7),
    fU8("squelch_mode", 8, 2351),
    fU8("byte_9", 9),
    fU8("byte_10", 10),
    fU8("byte_11", 11),
    fU8("tx_admit", 12, 2321),
    fU8("byte_13", 13),
    fU8("timeout_time", 14, 2325),
    fU8("timeout_pre_alert", 15, 2327),
    fU8("timeout_rekey", 16, 2329),
    fU8("timeout_reset", 17, 2331),
    fU8("byte_18", 18),
    fU8("byte_19", 19),
    fU8("byte_20", 20),
    fU16("ptt_id_primary", 21),
    fU8("ptt_id_type", 23, 2565),
    fBits("side_tone_off", 24, 0, 1),
    fBits("short_beep_off", 24, 1, 1),
    fBits("ptt_id_options_other", 24, 2, 6),
    fU8("ptt_id_pre_time", 25, 2567),
    fU8("preamble_bit_sync", 26, 2569),
    fBytes("unused", 27, 49),
};

}  // namespace

std::span<const FieldDesc> personalityFields() { return kFields; }

Record defaultPersonalityRecord()
{
    using namespace PersonalityField;
    Record r(kSize, 0xFF);
    r.setU8(RxSignal, 0x40);
    r.setU8(TxSignal, 0xC0);
    r.setU8(7, 0);
    r.setU8(SquelchMode, 1);
    r.setU8(9, 0);
    r.setU8(10, 0);
    r.setBits(11, 0, 2, 0);
    r.setU8(TxAdmit, 1);
    r.setU8(13, 0);
    r.setU8(TimeoutTime, 60);
    r.setU8(TimeoutPreAlert, 10);
    r.setU8(TimeoutRekey, 0);
    r.setU8(TimeoutReset, 0);
    r.setU8(18, 0);
    r.setU8(19, 1);
    r.setU8(20, 10);
    r.setU16(PttIdPrimary, 1);
    r.setU8(PttIdType, 0);
    r.setBit(PttIdOptions, SideToneOffBit, true);
    r.setBit(PttIdOptions, ShortBeepOffBit, false);
    r.setU8(PttIdPreTime, 25);
    r.setU8(PreambleBitSync, 5);
    return r;
}
