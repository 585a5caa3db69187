#include "model/BandBlock.h"
#include "model/RangeList.h"
#include "settings/SettingsManager.h"
#include "settings/TestDir.h"

#include <gtest/gtest.h>

namespace {

TEST(RangeList, LoadsEntriesAndStopsAtTheFirstUnreadableOne)
{
    TestDir dir;
    dir.write("Model.dat",
              "[A]\nNumber=4\nFreq0=136,174,136,174,128\nFreq1=400,470,400,470,1\nFreq3=350,390,350,390,0\n"
              "[B]\nNumber=0\n[C]\nNumber=2\nFreq0=\n");
    struct Case { const char* id; std::vector<FreqRangeEntry> entries; };
    const Case cases[] = {
        {"A", {{136, 174, 136, 174, 0x80}, {400, 470, 400, 470, 1}, kDefaultFreqRangeEntry}},
        {"B", {kDefaultFreqRangeEntry}},
        {"C", {kDefaultFreqRangeEntry}},
        {"Missing", {kDefaultFreqRangeEntry}},
    };
    for (const auto& c : cases) {
        RangeList list;
        list.load(dir.file("Model.dat"), c.id);
        EXPECT_EQ(list.entries(), c.entries) << c.id;
    }
}

TEST(RangeList, BandFlagsOfTheCurrentRange)
{
    TestDir dir;
    dir.copyFixtures();
    CSettingsManager settings(dir.path(), dir.path() + "user");
    RangeList list;
    struct Case { const char* range; int flags; };
    const Case cases[] = {{"136-174", 0x80}, {"350-390", 1}, {"400-470", 0}, {"400-480", 0}, {"", 0}};
    list.load(settings);
    for (const auto& c : cases) EXPECT_EQ(list.bandFlags(c.range), c.flags) << c.range;
    settings.setFreqRange("350-390");
    list.load(settings);
    EXPECT_EQ(settings.model().bandFlags, 1);
    EXPECT_TRUE(list.contains(350, 390));
    EXPECT_FALSE(list.contains(350, 391));
}

TEST(BandBlock, DecodesEdgesInWholeMHz)
{
    struct Case { BandBlock block; FreqRangeEntry entry; };
    const Case cases[] = {
        {{0x80, 0x13, 0x60, 0x00, 0x00, 0x17, 0x40, 0x00, 0x00}, {136, 174, 136, 174, 0x80}},
        {{0x01, 0x40, 0x01, 0x25, 0x00, 0x46, 0x99, 0x99, 0x99}, {400, 469, 400, 469, 0x01}},
        {{0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, {0, 0, 0, 0, 0}},
        {{0x00, 0x13, 0x60, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF}, {136, 0, 136, 0, 0}},
        {{0x00, 0x00, 0x99, 0x99, 0x99, 0x13, 0x6A, 0x00, 0x00}, {9, 0, 9, 0, 0}},  // not BCD: stops at A
    };
    for (const auto& c : cases) EXPECT_EQ(decodeBandBlock(c.block), c.entry);
}

}  // namespace
