#include "model/FactorySettingsBlock.h"

#include "model/Bcd.h"
#include "model/MiscRecord.h"

#include <stdexcept>

namespace {

constexpr FieldDesc kFields[] = {
    fBits("tune_switch_open", 0, 0, 1),
    fBits("tune_switch_other", 0, 1, 7),
    fBytes("bytes_1_10", 1, 10),
    fFreq("pll_frequency", 11),
    fFreq("rx_middle_frequency", 15),
    fBits("rx_middle_add_sub", 19, 0, 1, 4827),
    fBits("byte_19_other", 19, 1, 7),
    fU16("open_channel_number", 20),
    fBytes("bytes_22_35", 22, 14),
};

constexpr long kPllUnits = 1280000;       // 12.80000 MHz
constexpr long kRxMiddleUnits = 3885000;  // 38.85000 MHz
constexpr std::uint16_t kOpenChannels = 16;

}  // namespace

std::span<const FieldDesc> factoryBlockFields() { return kFields; }

std::uint8_t FactorySettingsBlock::shared(std::size_t i) const
{
    if (!misc) throw std::logic_error("factory settings block has no miscellaneous reference");
    return misc->u8(MiscField::SharedStart + i);
}

void FactorySettingsBlock::setShared(std::size_t i, std::uint8_t value)
{
    if (!misc) throw std::logic_error("factory settings block has no miscellaneous reference");
    if (i >= MiscField::kSharedLength) throw std::out_of_range("shared factory byte");
    misc->setU8(MiscField::SharedStart + i, value);
}

void FactorySettingsBlock::loadFactoryValues()
{
    using namespace FactoryBlockField;
    own.fill(0xFF);
    own.setU32(PllFrequency, Bcd::fromInt(kPllUnits));
    own.setU32(RxMiddleFrequency, Bcd::fromInt(kRxMiddleUnits));
    own.setU16(OpenChannelNumber, kOpenChannels);
}
