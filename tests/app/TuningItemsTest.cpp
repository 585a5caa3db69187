#include "app/TuningItems.h"
#include "model/TuneDataRecord.h"
#include "settings/TextIds.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

TuningItem item(std::uint16_t id, std::uint16_t flags) { return TuningItem{id, flags, "x"}; }

}  // namespace

TEST(TuningItems, PointsAndRegistersFollowTheFlags)
{
    struct Case {
        std::uint16_t flags;
        std::vector<std::uint16_t> wide, middle, narrow;  // registers of the existing points
        std::optional<Spacing> first;
        std::array<bool, 3> buttons;  // narrow, middle, wide
        bool volume;
    };
    const std::uint16_t id = 0x8050;
    const Case cases[] = {
        // Two wide points: id and id + 1, nothing to switch to.
        {0x0003, {0x8050, 0x8051}, {}, {}, Spacing::Wide, {false, false, false}, false},
        // Wide 0, 2, 4, middle 2, narrow 0, 2, 4, and the volume flag.
        {0xD495, {0x8050, 0x8052, 0x8054}, {0x8057}, {0x805A, 0x805C, 0x805E}, Spacing::Wide, {true, true, true}, true},
        // Wide and narrow without middle: both offered, middle hidden.
        {0x7C1F, {0x8050, 0x8051, 0x8052, 0x8053, 0x8054}, {}, {0x805A, 0x805B, 0x805C, 0x805D, 0x805E},
         Spacing::Wide, {true, false, true}, false},
        // Narrow only: it is the first spacing.
        {0x0400, {}, {}, {0x805A}, Spacing::Narrow, {false, false, false}, false},
        // Middle only: the Middle button is there, Wide and Narrow are not.
        {0x0020, {}, {0x8055}, {}, Spacing::Middle, {false, true, false}, false},
        // The volume flag alone gives no point.
        {0x8000, {}, {}, {}, std::nullopt, {false, false, false}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        const TuningItem t = item(id, c.flags);
        auto registers = [&](Spacing s) {
            std::vector<std::uint16_t> out;
            for (int k = 0; k < TuningItem::kPoints; ++k)
                if (t.hasPoint(s, k)) out.push_back(t.registerOf(s, k));
            return out;
        };
        EXPECT_EQ(registers(Spacing::Wide), c.wide);
        EXPECT_EQ(registers(Spacing::Middle), c.middle);
        EXPECT_EQ(registers(Spacing::Narrow), c.narrow);
        EXPECT_EQ(t.firstSpacing(), c.first);
        EXPECT_EQ(t.spacingButtons(), c.buttons);
        EXPECT_EQ(t.isVolumeItem(), c.volume);
        const auto firstReg = t.firstRegister();
        if (!c.wide.empty()) EXPECT_EQ(firstReg, c.wide.front());
        else if (!c.middle.empty()) EXPECT_EQ(firstReg, c.middle.front());
        else if (!c.narrow.empty()) EXPECT_EQ(firstReg, c.narrow.front());
        else EXPECT_FALSE(firstReg.has_value());
    }
}

TEST(TuningItems, DefinitionsAreReadLikeTheLanguageFileWritesThem)
{
    struct Case {
        const char* text;
        std::vector<std::pair<std::uint16_t, std::uint16_t>> items;
    };
    const Case cases[] = {
        {"32770,1;32800,31", {{32770, 1}, {32800, 31}}},
        {" 32770 , 1 ; 32848,54421 ", {{32770, 1}, {32848, 54421}}},   // blanks are removed first
        {"32770,1x;junk;;,5;32771", {{32770, 1}}},                        // what does not read is skipped
        {"70000,1;32770,65536;-1,3;32771,65535", {{32771, 65535}}},        // 16 bits each
        {"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<std::pair<std::uint16_t, std::uint16_t>> got;
        for (const TuningItem& t : parseTuningDefinitions(c.text)) got.emplace_back(t.id, t.flags);
        EXPECT_EQ(got, c.items);
    }
}

TEST(TuningItems, ListNamesTakeTheFlagsOfTheirDefinition)
{
    const auto items = tuningItems("32770.Reference Oscillator;32800.TX Power High;40000.Undefined",
                                   "32800,31;32770,1");
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].name, "Reference Oscillator");
    EXPECT_EQ(items[0].flags, 1);
    EXPECT_EQ(items[1].flags, 31);
    // Listed but not defined: no register, so opening it says 1167.
    EXPECT_EQ(items[2].id, 40000);
    EXPECT_FALSE(items[2].firstRegister().has_value());
    EXPECT_TRUE(tuningItems("32770.A", "").front().flags == 0);
}

TEST(TuningItems, PointNames)
{
    EXPECT_EQ(tunePointNames("Low;Mid-Low;Middle;Mid-High;High").size(), 5u);
    EXPECT_EQ(tunePointNames("A;B;C;D;E;F").size(), 5u);
    EXPECT_EQ(tunePointNames("A;B;;").size(), 2u);
    // No names: the dialog shows 1168 and builds no tab.
    EXPECT_TRUE(tunePointNames("").empty());
    EXPECT_TRUE(tunePointNames(";;").empty());
}

TEST(TuningItems, ScrollRangesClampAtTheirEnds)
{
    struct Case {
        ScrollRange range;
        int from, step, expected;
    };
    const ScrollRange byte = valueScrollRange(0x8012);  // battery warning voltage
    const ScrollRange wide = valueScrollRange(0x8002);  // the reference oscillator as the list names it
    const Case cases[] = {
        {byte, 255, byte.page, 255},  // page right at the end stays there
        {byte, 250, byte.page, 255},
        {byte, 3, -byte.page, 0},
        {byte, 7, byte.line, 8},
        {wide, 1470, wide.page, 1474},
        {wide, 300, wide.page, 310},
        {kVolumeScroll, 250, kVolumeScroll.line, 255},
        {kVolumeScroll, 128, -kVolumeScroll.page, 104},
    };
    for (const Case& c : cases) EXPECT_EQ(c.range.clamp(c.from + c.step), c.expected) << c.from << " " << c.step;
    // The factory tune data holds 446 for the reference oscillator: its bar reaches it.
    for (std::uint16_t item : {0x8000, 0x8002, 0x800E}) EXPECT_EQ(valueScrollRange(item).max, 1474) << item;
    EXPECT_EQ(valueScrollRange(0x800F).max, 255);
    EXPECT_EQ(wide.max, 1474);
    EXPECT_EQ(byte.max, 255);
    EXPECT_EQ(kVolumeScroll.line, 8);
    EXPECT_EQ(kVolumeScroll.page, 24);
}

TEST(TuningItems, OutputParameterAndCaptionByRegisterRange)
{
    struct Case {
        std::uint16_t reg;
        std::uint8_t channel;
        int checked, unchecked;
    };
    const Case cases[] = {
        {0x82FF, 'a', CapId::kCarrierOnChecked, CapId::kCarrierOnUnchecked},
        {0x8300, 'b', CapId::kTxOnChecked, CapId::kTxOnUnchecked},
        {0x848F, 'b', CapId::kTxOnChecked, CapId::kTxOnUnchecked},
        {0x8490, 'a', CapId::kCarrierOnChecked, CapId::kCarrierOnUnchecked},
        {0x8002, 'a', CapId::kCarrierOnChecked, CapId::kCarrierOnUnchecked},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(outputChannel(c.reg), c.channel) << c.reg;
        EXPECT_EQ(outputCaptionId(c.reg, true), c.checked);
        EXPECT_EQ(outputCaptionId(c.reg, false), c.unchecked);
    }
}

TEST(TuningItems, ValuesGoToTheRegistersOffsetHighByteFirst)
{
    std::vector<std::uint8_t> area(TuneDataField::kSize, 0xFF);
    ASSERT_TRUE(putTuneValue(area, 0x8387, 0x0123));
    EXPECT_EQ(area[230], 0x01);
    EXPECT_EQ(area[231], 0x23);
    // 0x830D shares the place.
    ASSERT_TRUE(putTuneValue(area, 0x830D, 0x0456));
    EXPECT_EQ(area[230], 0x04);
    // A register outside the table lands on offset 0.
    ASSERT_TRUE(putTuneValue(area, 0x9999, 0xBEEF));
    EXPECT_EQ(area[0], 0xBE);
    EXPECT_EQ(area[1], 0xEF);
    std::vector<std::uint8_t> tooShort(100, 0);
    EXPECT_FALSE(putTuneValue(tooShort, 0x8484, 1));  // offset 490
}
