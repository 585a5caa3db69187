#include "model/ChannelRecord.h"

#include "model/Bcd.h"
#include "model/SectionFields.h"
#include "model/ToneTables.h"
#include "settings/ModelValues.h"

#include <algorithm>

namespace {

// A new channel starts all 0xFF; frequencies, tones and auto start scan
// depend on its position and the band and are set by defaultChannelRecord.
constexpr FieldDesc kFields[] = {
    fBytes("unused", 0, 4),
    fFreq("rx_frequency", 4).swapped(),
    fFreq("tx_frequency", 8).swapped(),
    fTone("rx_tone", 12, 3668).swapped(),
    fTone("tx_tone", 14, 3677).swapped(),
    fBits("rx_step", 16, 0, 4).factory(6),
    fBits("tx_step", 16, 4, 4).factory(6),
    fBits("spacing", 17, 0, 4, 3661).factory(2),
    fBits("power", 17, 4, 4, 3663).factory(2),
    fU8("personality", 18).factory(0),
    fU8("scan_list", 19).factory(1),
    fBits("flags_20_low", 20, 0, 6).factory(0),
    fBits("auto_start_scan", 20, 6, 1).factory(0),
    fBits("atis", 20, 7, 1).factory(0),
    fU8("flags_21", 21).factory(0, 0x03),
    fU8("reserved_22", 22).factory(0),
    fU8("reserved_23", 23).factory(0),
};

// New channels step through the CTCSS table from 131.8 Hz on, one tone per
// channel, so that neighbouring default channels do not share a tone.
constexpr std::size_t kFirstDefaultTone = 20;
constexpr std::uint16_t kToneTypeCtcss = 0x4000;

}  // namespace

std::span<const FieldDesc> channelSchema() { return kFields; }

Record defaultChannelRecord(int index, const ModelValues& model)
{
    using namespace ChannelField;
    const int d = std::max(index, 0);
    Record r(kSize, 0xFF);
    applyFactoryValues(r, sectionFields(Section::Channels));
    // Lower band edge + 0.325 MHz, then 0.5 MHz further for every channel.
    const long units = static_cast<long>(model.lowMHz()) * 100000L + d * 50000L + 32500L;
    const std::uint32_t word = Bcd::fromInt(units);
    r.setU32(RxFreq, word);
    r.setU32(TxFreq, word);
    const auto& tones = ToneTables::kCtcssTenths;
    const std::size_t entry = std::min(kFirstDefaultTone + static_cast<std::size_t>(d), tones.size() - 1);
    const auto tone = static_cast<std::uint16_t>(kToneTypeCtcss | tones[entry]);
    r.setU16(RxTone, tone);
    r.setU16(TxTone, tone);
    r.setBit(Flags, AutoStartScanBit, d == 15);
    return r;
}
