#include "model/ScanRecord.h"

#include "model/SectionFields.h"

namespace {

// A new scan list starts all 0xFF; its members are channels 1 to 16.
constexpr FieldDesc kFields[] = {
    fBytes("unused", 0, 4),
    fU8("entries", 4, 3943).factory(16),
    fBits("modes_bit0", 5, 0, 1).factory(0),
    fBits("ctcss_cdcss_scan_mode", 5, 1, 2, 3830).factory(3),
    fBits("signal_scan_mode", 5, 3, 2, 3832).factory(0),
    fBits("modes_bits5_7", 5, 5, 3),
    fU8("signal_hang_time", 6, 3852).factory(25),
    fBits("priority_channel_1_mode", 7, 0, 2, 3834).factory(0),
    fBits("priority_channel_1_delete_add", 7, 2, 1).factory(0),
    fBits("priority_other", 7, 3, 5).factory(0, 0x07),
    fU8("priority_sweep_time", 8, 3844).factory(8),
    fU16("priority_channel_1", 9).swapped().factory(1),
    fU16("third_channel", 11).swapped().factory(2),
    fBits("scan_tx_mode", 13, 0, 3, 3846).factory(0),
    fBits("talkback_enable", 13, 3, 1).factory(1),
    fBits("transmit_other", 13, 4, 4),
    fU16("designated_channel", 14).swapped().factory(1),
    fU8("hang_time", 16, 3848).factory(3),
    fBits("scan_start_alert", 17, 0, 1).factory(1),
    fBits("scan_end_alert", 17, 1, 1).factory(1),
    fBits("priority_scan_alert", 17, 2, 1).factory(1),
    fBits("alerts_bit3", 17, 3, 1).factory(1),
    fBits("include_current_channel", 17, 4, 1).factory(0),
    fBits("priority_scan_in_auto_reset", 17, 5, 1).factory(0),
    fBits("alerts_bit6", 17, 6, 1).factory(0),
    fBits("nuisance_delete", 17, 7, 1).factory(0),
    fBits("nuisance_reset", 18, 0, 1).factory(0),
    fBits("options_other", 18, 1, 7).factory(1, 0x01),
    fU8("byte_19", 19).factory(0x06, 0x07),
    fU8("byte_20", 20),
    fU8("byte_21", 21).factory(4),
    fU8("byte_22", 22).factory(50),
    fU8("byte_23", 23).factory(20),
    fU16("member_%", 24).rows(ScanField::kMemberCount, 2, 1).swapped(),
};

}  // namespace

std::span<const FieldDesc> scanSchema() { return kFields; }

Record defaultScanRecord()
{
    using namespace ScanField;
    Record r(kSize, 0xFF);
    applyFactoryValues(r, sectionFields(Section::ScanList));
    for (int k = 0; k < kMemberCount; ++k) r.setU16(member(k), static_cast<std::uint16_t>(k + 1));
    return r;
}
