#include "model/ChannelRecord.h"

#include "model/Bcd.h"
#include "model/ToneTables.h"
#include "settings/ModelValues.h"

#include <algorithm>

namespace {

constexpr FieldDesc kFields[] = {
    fBytes("unused", 0, 4),
    fFreq("rx_frequency", 4),
    fFreq("tx_frequency", 8),
    fTone("rx_tone", 12, 3668),
    fTone("tx_tone", 14, 3677),
    fBits("rx_step", 16, 0, 4),
    fBits("tx_step", 16, 4, 4),
    fBits("spacing", 17, 0, 4, 3661),
    fBits("power", 17, 4, 4, 3663),
    fU8("personality", 18),
    fU8("scan_list", 19),
    fBits("flags_20_low", 20, 0, 6),
    fBits("auto_start_scan", 20, 6, 1),
    fBits("atis", 20, 7, 1),
    fU8("flags_21", 21),
    fU8("reserved_22", 22),
    fU8("reserved_23", 23),
};

// New channels step through the CTCSS table from 131.8 Hz on, one tone per
// channel, so that neighbouring default channels do not share a tone.
constexpr std::size_t kFirstDefaultTone = 20;
constexpr std::uint16_t kToneTypeCtcss = 0x4000;

}  // namespace

std::span<const FieldDesc> channelFields() { return kFields; }

Record defaultChannelRecord(int index, const ModelValues& model)
{
    using namespace ChannelField;
    const int d = std::max(index, 0);
    Record r(kSize, 0xFF);
    // Lower band edge + 0.325 MHz, then 0.5 MHz further for every channel.
    const long units = static_cast<long>(model.lowMHz()) * 100000L + d * 50000L + 32500L;
    const std::uint32_t word = Bcd::fromInt(units);
    r.setU32(RxFreq, word);
    r.setU32(TxFreq, word);
    r.setU8(Steps, 0x66);
    const auto& tones = ToneTables::kCtcssTenths;
    const std::size_t entry = std::min(kFirstDefaultTone + static_cast<std::size_t>(d), tones.size() - 1);
    const auto tone = static_cast<std::uint16_t>(kToneTypeCtcss | tones[entry]);
    r.setU16(RxTone, tone);
    r.setU16(TxTone, tone);
    r.setU8(SpacingPower, 0x22);
    r.setU8(Personality, 0);
    r.setU8(ScanList, 1);
    r.setU8(Flags, d == 15 ? 0x40 : 0x00);
    r.setBits(Flags2, 0, 2, 0);
    r.setU8(Reserved22, 0);
    r.setU8(Reserved23, 0);
    return r;
}
