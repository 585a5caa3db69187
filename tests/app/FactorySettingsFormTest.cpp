// The Factory Mode values: load, the limits, and a store that changes only
// the bits each value owns.
#include "app/FactorySettingsForm.h"

#include "model/FactorySettingsBlock.h"
#include "model/FreqBcd.h"
#include "model/MiscRecord.h"
#include "model/RadioInfoRecord.h"

#include <gtest/gtest.h>

namespace {

struct Records {
    Record info{RadioInfoField::kSize, 0};
    Record own{FactoryBlockField::kSize, 0xFF};
    Record misc{MiscField::kSize, 0};
    FactoryRecords refs() { return {info, own, misc}; }
    Records()
    {
        info.setText(RadioInfoField::ModelName, 12, "  QAV-420  ", ' ');
        info.setU8(RadioInfoField::BandFlags, 0x80 | 5);
        info.setText(RadioInfoField::Serial, 16, "SN123", ' ');
        own.setU32(FactoryBlockField::PllFrequency, FreqBcd::fromUnits(1280000));
        own.setU32(FactoryBlockField::RxMiddleFrequency, FreqBcd::fromUnits(3885000));
        own.setU16(FactoryBlockField::OpenChannelNumber, 3);
        misc.setU8(MiscField::FactoryOptions, 0b1010'0101);
    }
};

ProfileFile volumes(const char* text)
{
    ProfileFile p;
    p.parse(text);
    return p;
}

TEST(FactorySettingsForm, LoadsTrimmedTextsBitsAndTheCurrentRange)
{
    Records r;
    const FactorySettingsForm f = loadFactoryForm(r.refs(), "136-174");
    EXPECT_EQ(f.modelName, "QAV-420");
    EXPECT_EQ(f.serialNumber, "SN123");
    EXPECT_EQ(f.bandFlag, 1);
    EXPECT_EQ(f.rangeId, "5");
    EXPECT_EQ(f.rangeLow, "136");
    EXPECT_EQ(f.rangeHigh, "174");
    EXPECT_EQ(f.openChannel, 3);
    EXPECT_EQ(f.pllFrequency, "12.80000");
    EXPECT_EQ(f.rxMiddleFrequency, "38.85000");
    EXPECT_EQ(f.releaseDebug, 1);
    EXPECT_EQ(f.lcdVersion, 1);
    EXPECT_EQ(f.options, (std::array<bool, 4>{false, false, true, false}));
    EXPECT_EQ(f.rxMiddleAddSub, 0) << "a VHF radio's subtract bit is cleared on load";
    EXPECT_TRUE(f.tuneSwitchOpen);
}

struct LimitCase {
    void (*change)(FactorySettingsForm&);
    int controlId;
    FactoryProblem::Kind kind;
};

class FactoryLimits : public ::testing::TestWithParam<LimitCase> {};

TEST_P(FactoryLimits, RefuseTheEntryByItsControl)
{
    Records r;
    FactorySettingsForm f = loadFactoryForm(r.refs(), "400-470");
    ASSERT_FALSE(checkFactoryForm(f));
    GetParam().change(f);
    const auto problem = checkFactoryForm(f);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->controlId, GetParam().controlId);
    EXPECT_EQ(problem->kind, GetParam().kind);
}

using P = FactoryProblem;
namespace C = FactoryControl;
INSTANTIATE_TEST_SUITE_P(
    Entries, FactoryLimits,
    ::testing::Values(LimitCase{[](auto& f) { f.modelName.clear(); }, C::kModelName, P::Empty},
                      LimitCase{[](auto& f) { f.modelName = "ABCDEFGHIJKLM"; }, C::kModelName, P::TooLong},
                      LimitCase{[](auto& f) { f.serialNumber = std::string(17, '1'); }, C::kSerial, P::TooLong},
                      LimitCase{[](auto& f) { f.rangeId = "1a"; }, C::kRangeId, P::NotDigits},
                      LimitCase{[](auto& f) { f.rangeId = "1234"; }, C::kRangeId, P::TooLong},
                      LimitCase{[](auto& f) { f.rangeId = "200"; }, C::kRangeId, P::OutOfRange},
                      LimitCase{[](auto& f) { f.rangeLow = "99"; }, C::kRangeLow, P::OutOfRange},
                      LimitCase{[](auto& f) { f.rangeHigh = "1000"; }, C::kRangeHigh, P::OutOfRange},
                      LimitCase{[](auto& f) { f.rangeHigh = "4x0"; }, C::kRangeHigh, P::NotDigits},
                      LimitCase{[](auto& f) { f.pllFrequency = "9.9"; }, C::kPll, P::OutOfRange},
                      LimitCase{[](auto& f) { f.rxMiddleFrequency = "50.000001"; }, C::kRxMiddle, P::TooLong},
                      LimitCase{[](auto& f) { f.rxMiddleFrequency = "50.1"; }, C::kRxMiddle, P::OutOfRange}));

TEST(FactorySettingsForm, StoresOnlyTheNamedBitsAndTheVolumesOfTheBand)
{
    for (const bool vhf : {true, false}) {
        Records r;
        FactorySettingsForm f = loadFactoryForm(r.refs(), "400-470");
        f.bandFlag = vhf ? 1 : 0;
        f.rangeId = "9";
        f.releaseDebug = 0;
        f.options = {true, false, false, true};
        f.tuneSwitchOpen = false;
        const std::uint8_t miscBefore = r.misc.u8(MiscField::FactoryOptions);
        r.own.setU8(FactoryBlockField::TuneSwitch, 0xF1);
        storeFactoryForm(f, r.refs(), "QAV420", volumes("[Setting]\nvwide=176\nvnarrow=144\nuwide=184\n"));
        EXPECT_EQ(r.info.u8(RadioInfoField::BandFlags), (vhf ? 0x80 : 0) | 9);
        EXPECT_EQ(r.info.u32(RadioInfoField::LowEdge), 0x40000000u);
        EXPECT_EQ(r.info.u32(RadioInfoField::HighEdge), 0x47000000u);
        EXPECT_EQ(r.info.text(RadioInfoField::ModelId, 6), "QAV420");
        EXPECT_EQ(r.own.u8(FactoryBlockField::TuneSwitch), 0xF0) << "only bit 0 is the switch";
        // Bits 1 and 7 are no option's; they keep their values.
        EXPECT_EQ(r.misc.u8(MiscField::FactoryOptions), (miscBefore & 0b1000'0010) | 0b0100'1100);
        EXPECT_EQ(r.misc.u8(MiscField::WideVolume), vhf ? 176 : 184);
        EXPECT_EQ(r.misc.u8(MiscField::NarrowVolume), vhf ? 144 : 255) << "a missing key gives 255";
    }
}

}  // namespace
