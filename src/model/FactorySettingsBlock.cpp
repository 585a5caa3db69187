#include "model/FactorySettingsBlock.h"

#include "model/SectionFields.h"
#include "model/MiscRecord.h"

#include <stdexcept>

namespace {

// The factory values overwrite every own byte: 12.8 MHz PLL, 38.85 MHz
// receive middle frequency, 16 open channels, the rest 0xFF.
constexpr FieldDesc kFields[] = {
    fBits("tune_switch_open", 0, 0, 1).factory(1),
    fBits("tune_switch_other", 0, 1, 7).factory(0x7F),
    fBytes("bytes_1_10", 1, 10).factory(0xFF),
    fFreq("pll_frequency", 11).swapped().factory(0x01280000),
    fFreq("rx_middle_frequency", 15).swapped().factory(0x03885000),
    fBits("rx_middle_add_sub", 19, 0, 1, 4827).factory(1),
    fBits("byte_19_other", 19, 1, 7).factory(0x7F),
    fU16("open_channel_number", 20).swapped().factory(16),
    fBytes("bytes_22_35", 22, 14).factory(0xFF),
};

}  // namespace

std::span<const FieldDesc> factoryBlockSchema() { return kFields; }

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

void FactorySettingsBlock::loadFactoryValues() { applyFactoryValues(own, sectionFields(Section::FactoryBlock)); }
