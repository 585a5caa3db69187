#include "model/ScanRecord.h"

namespace {

constexpr FieldDesc kFields[] = {
    fBytes("unused", 0, 4),
    fU8("entries", 4, 3943),
    fBits("modes_bit0", 5, 0, 1),
    fBits("ctcss_cdcss_scan_mode", 5, 1, 2, 3830),
    fBits("signal_scan_mode", 5, 3, 2, 3832),
    fBits("modes_bits5_7", 5, 5, 3),
    fU8("signal_hang_time", 6, 3852),
    fBits("priority_channel_1_mode", 7, 0, 2, 3834),
    fBits("priority_channel_1_delete_add", 7, 2, 1),
    fBits("priority_other", 7, 3, 5),
    fU8("priority_sweep_time", 8, 3844),
    fU16("priority_channel_1", 9),
    fU16("third_channel", 11),
    fBits("scan_tx_mode", 13, 0, 3, 3846),
    fBits("talkback_enable", 13, 3, 1),
    fBits("transmit_other", 13, 4, 4),
    fU16("designated_channel", 14),
    fU8("hang_time", 16, 3848),
    fBits("scan_start_alert", 17, 0, 1),
    fBits("scan_end_alert", 17, 1, 1),
    fBits("priority_scan_alert", 17, 2, 1),
    fBits("alerts_bit3", 17, 3, 1),
    fBits("include_current_channel", 17, 4, 1),
    fBits("priority_scan_in_auto_reset", 17, 5, 1),
    fBits("alerts_bit6", 17, 6, 1),
    fBits("nuisance_delete", 17, 7, 1),
    fBits("nuisance_reset", 18, 0, 1),
    fBits("options_other", 18, 1, 7),
    fU8("byte_19", 19),
    fU8("byte_20", 20),
    fU8("byte_21", 21),
    fU8("byte_22", 22),
    fU8("byte_23", 23),
    fU16("member_1", 24),
    fU16("member_2", 26),
    fU16("member_3", 28),
    fU16("member_4", 30),
    fU16("member_5", 32),
    fU16("member_6", 34),
    fU16("member_7", 36),
    fU16("member_8", 38),
    fU16("member_9", 40),
    fU16("member_10", 42),
    fU16("member_11", 44),
    fU16("member_12", 46),
    fU16("member_13", 48),
    fU16("member_14", 50),
    fU16("member_15", 52),
    fU16("member_16", 54),
};

}  // namespace

std::span<const FieldDesc> scanFields() { return kFields; }

Record defaultScanRecord()
{
    using namespace ScanField;
    Record r(kSize, 0xFF);
    r.setU8(Entries, 16);
    r.setBit(Modes, 0, false);
    r.setBits(Modes, 1, 2, 3);
    r.setBits(Modes, 3, 2, 0);
    r.setU8(SignalHangTime, 25);
    r.setBits(Priority, 0, 6, 0);
    r.setU8(PrioritySweepTime, 8);
    r.setU16(PriorityChannel, 1);
    r.setU16(ThirdChannel, 2);
    r.setBits(Transmit, 0, 3, 0);
    r.setBit(Transmit, 3, true);
    r.setU16(DesignatedChannel, 1);
    r.setU8(HangTime, 3);
    r.setU8(Alerts, 0x0F);
    r.setBit(Options, 0, false);
    r.setBit(Options, 1, true);
    r.setBit(19, 0, false);
    r.setBits(19, 1, 2, 3);
    r.setU8(21, 4);
    r.setU8(22, 50);
    r.setU8(23, 20);
    for (int k = 0; k < kMemberCount; ++k) r.setU16(member(k), static_cast<std::uint16_t>(k + 1));
    return r;
}
