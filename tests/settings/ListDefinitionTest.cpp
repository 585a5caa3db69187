#include "settings/ListDefinition.h"

#include <gtest/gtest.h>

namespace {

using Items = std::vector<ListItem>;

TEST(ListDefinition, ComboItemsFromPlainAndRangeItems)
{
    struct Case { const char* definition; Items items; };
    const Case cases[] = {
        {"0.Off;1.Low;2.High", {{0, "Off"}, {1, "Low"}, {2, "High"}}},
        {"1.5.6 kHz", {{1, "5.6 kHz"}}},                                    // text keeps its dots
        {"0:5:20:10:0:1:1", {{0, "0.0"}, {1, "0.5"}, {2, "1.0"}, {3, "1.5"}, {4, "2.0"}}},
        {"1:1:3:1:100:10:0", {{100, "1"}, {110, "2"}, {120, "3"}}},
        {"0:100:300:100:0:1:0", {{0, "0"}, {1, "1"}, {2, "2"}, {3, "3"}}},  // integer quotient
        {"255.Off;1:1:2:1:1:1:0", {{255, "Off"}, {1, "1"}, {2, "2"}}},
        {"1.Ratio 1:2;2.Two", {{2, "Two"}}},      // a ":" makes it a range item, which does not parse
        {".Lead;X;;3.Three;", {{3, "Three"}}},     // "." first, no ".", empty items: skipped
        {"5:1:1:1:0:1:0", {}},                     // first above last: nothing
        {"0:0:5:1:0:1:0;0:1:5:0:0:1:0", {}},       // step 0, divisor 0: nothing, no hang
        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(comboItems(c.definition), c.items) << c.definition;
}

TEST(ListDefinition, ListBoxTakesPlainItemsOnly)
{
    EXPECT_EQ(listBoxItems("0.A;1:1:3:1:0:1:0;7.B"), (Items{{0, "A"}, {7, "B"}}));
}

TEST(ListDefinition, ListPairsExpandRangesLikeTheCombo)
{
    EXPECT_EQ(listPairs("9.None;0:5:10:10:0:1:1"), (Items{{9, "None"}, {0, "0.0"}, {1, "0.5"}, {2, "1.0"}}));
}

TEST(ListDefinition, HugeRangesAreCapped)
{
    EXPECT_EQ(comboItems("0:1:2000000000:1:0:1:0").size(), static_cast<std::size_t>(kMaxRangeItems));
}

TEST(ListDefinition, TextForValue)
{
    struct Case { const char* definition; int value; const char* text; };
    const Case cases[] = {
        {"0.Off;1.Low;2.High", 2, "High"},
        {"0.Off;1.Low;2.High", 3, ""},
        {"1:1:3:1:100:10:0", 110, "2"},
        {"1:1:3:1:100:10:0", 120, "3"},
        {"1:1:3:1:100:10:0", 99, ""},
        {"1:1:3:1:100:10:0", 130, ""},
        {"0:5:20:10:0:1:1", 3, "1.5"},
        {"0:100:300:100:0:1:0", 2, "2"},          // shown as the combo shows it
        {"255.Off;1:1:16:1:1:1:0", 255, "Off"},
        {"255.Off;1:1:16:1:1:1:0", 16, "16"},
        {"3:1:3:1:7:0:0", 7, "3"},                 // value step 0: one value only, no division by 0
        {"-10:1:10:1:0:-1:0", 0, "-10"},           // descending values
        {"-10:1:10:1:0:-1:0", -20, "10"},
        {"-10:1:10:1:0:-1:0", 1, ""},
        {"-10:1:10:1:0:-1:0", -21, ""},
        {"-2:1:0:100:0:1:2", 0, "-0.02"},
        {"", 0, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(textForValue(c.definition, c.value), c.text) << c.definition << " " << c.value;
}

TEST(ListDefinition, ValueForText)
{
    struct Case { const char* definition; const char* text; int value; };
    const Case cases[] = {
        {"0.Off;1.Low;2.High", "Low", 1},
        {"0.Off;1.Low;2.High", "Medium", -1},
        {"1:1:3:1:100:10:0", "3", 120},
        {"0:5:20:10:0:1:1", "1.5", 3},
        {"0:5:20:10:0:1:1", " 2.0", 4},
        {"0:100:300:100:0:1:0", "2", 2},
        {"255.Off;1:1:16:1:1:1:0", "Off", 255},
        {"255.Off;1:1:16:1:1:1:0", "12", 12},
        {"1:1:16:1:1:1:0;255.Off", "Off", 255},   // unreadable text passes over the range item
        // Negative shown numbers round to the nearest step, not toward zero.
        {"-2:1:0:100:0:1:2", "-0.02", 0},
        {"-2:1:0:100:0:1:2", "-0.01", 1},
        {"-100:1:100:10:0:1:1", "-10.0", 0},
        {"-100:1:100:10:0:1:1", "-9.9", 1},
        {"-100:1:100:10:0:1:1", "10.0", 200},
        {"0:1:9:3:0:1:1", "0.3", 1},               // 3 * 0.3 is 0.8999...
        {"0:5:20:1:0:1:0", "7", 1},                // between two steps: the nearer one
        {"0:5:20:1:0:1:0", "8", 2},
        {"-20:5:0:1:0:1:0", "-12", 2},
        {"-10:1:10:1:0:-1:0", "-10", 0},           // descending values
        {"-10:1:10:1:0:-1:0", "5", -15},
        {"", "x", -1},
    };
    for (const auto& c : cases) EXPECT_EQ(valueForText(c.definition, c.text), c.value) << c.definition << " " << c.text;
}

TEST(ListDefinition, EveryComboTextMapsBackToItsValue)
{
    const char* definitions[] = {"0.Off;1.Low;2.High", "0:5:20:10:0:1:1", "1:1:3:1:100:10:0",
                                 "0:25:250:10:4:2:1", "0:100:300:100:0:1:0", "255.Off;1:1:16:1:1:1:0",
                                 "-2:1:0:100:0:1:2", "-100:1:100:10:0:1:1", "-10:1:10:1:0:-1:0",
                                 "-50:5:50:10:100:-3:1", "0:1:9:3:0:1:1", "-7:7:700:-7:0:1:0",
                                 "-999:3:999:1000:-5:2:3"};
    for (const char* d : definitions)
        for (const auto& item : comboItems(d)) {
            EXPECT_EQ(valueForText(d, item.text), item.value) << d << " " << item.text;
            EXPECT_EQ(textForValue(d, item.value), item.text) << d << " " << item.value;
        }
}

TEST(ListDefinition, ListNamesTakeThePartBeforeTheComma)
{
    EXPECT_EQ(listNames("English,Eng;Chinese;,x"), (std::vector<std::string>{"English", "Chinese", ""}));
}

TEST(ListDefinition, NumericEditParameters)
{
    auto p = parseNumericEditParams("10:1:50:1:0:1:0");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->first, 10);
    EXPECT_EQ(p->last, 50);
    EXPECT_FALSE(parseNumericEditParams("10:1:50"));
    EXPECT_FALSE(parseNumericEditParams("a:b:c:d:e:f:g"));
    EXPECT_TRUE(parseNumericEditParams(" 1: 2:3:4:5:6:7 trailing"));
}

}  // namespace
