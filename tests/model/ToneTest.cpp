// Tone words and the standard tone tables.
#include <gtest/gtest.h>

#include "model/ToneTables.h"
#include "model/ToneWord.h"

namespace {

constexpr std::uint16_t ctcssWord(unsigned v) { return static_cast<std::uint16_t>(0x4000 | v); }

TEST(ToneTables, SizesOrderAndItems)
{
    const auto ct = ToneTables::ctcssItems();
    const auto cd = ToneTables::cdcssItems();
    ASSERT_EQ(ct.size(), 50u);
    ASSERT_EQ(cd.size(), 104u);
    EXPECT_EQ(ct.front(), "67.0");
    EXPECT_EQ(ct[1], "69.3");
    EXPECT_EQ(ct.back(), "254.1");
    EXPECT_EQ(cd.front(), "023");
    EXPECT_EQ(cd.back(), "754");
    // Every listed item, typed back, is standard and gives its own text.
    for (const auto& t : ct) {
        const std::uint16_t w = ToneWord::write(0, ToneWord::kTypeCtcss, t, "");
        EXPECT_FALSE(ToneWord::nonStandard(w)) << t;
        EXPECT_EQ(ToneWord::ctcssBoxText(w), t);
    }
    for (const auto& t : cd) {
        const std::uint16_t w = ToneWord::write(0, 2, "", t);
        EXPECT_FALSE(ToneWord::nonStandard(w)) << t;
        EXPECT_EQ(ToneWord::cdcssBoxText(w), t);
    }
}

TEST(ToneWord, CtcssEntry)
{
    struct Case {
        const char* text;
        unsigned value;
        bool nonStandard;
    };
    const Case cases[] = {
        {"67", 670, false}, {"67.1", 671, true}, {"30", 400, true}, {"400", 3000, true},
        {"254.1", 2541, false}, {"67,0", 670, false}, {"", 400, true}, {"x", 400, true},
        {"-1", 400, true}, {"1e999", 3000, true},
    };
    for (const Case& c : cases) {
        const std::uint16_t w = ToneWord::write(0, ToneWord::kTypeCtcss, c.text, "999");
        EXPECT_EQ(ToneWord::type(w), 1u) << c.text;
        EXPECT_EQ(ToneWord::value(w), c.value) << c.text;
        EXPECT_EQ(ToneWord::nonStandard(w), c.nonStandard) << c.text;
    }
}

TEST(ToneWord, CdcssEntry)
{
    struct Case {
        const char* text;
        unsigned value;
        bool nonStandard;
        const char* shown;
    };
    const Case cases[] = {
        {"23", 19, false, "023"}, {"023", 19, false, "023"}, {"024", 20, true, "024"},
        {"999", 511, true, "777"}, {"754", 492, false, "754"}, {"028", 24, true, "030"},
        {"-5", 0, true, "000"}, {"", 0, true, "000"},
    };
    for (const Case& c : cases) {
        for (unsigned type : {2u, 3u}) {
            const std::uint16_t w = ToneWord::write(0, type, "67.0", c.text);
            EXPECT_EQ(ToneWord::type(w), type) << c.text;
            EXPECT_EQ(ToneWord::value(w), c.value) << c.text;
            EXPECT_EQ(ToneWord::nonStandard(w), c.nonStandard) << c.text;
            EXPECT_EQ(ToneWord::cdcssBoxText(w), c.shown) << c.text;
        }
    }
}

TEST(ToneWord, KeepsBit12AndNoneTypeValue)
{
    // Bit 12 survives every write; the non-standard bit is recomputed.
    std::uint16_t w = ToneWord::write(0x1000 | 0x2000, ToneWord::kTypeCtcss, "67.0", "");
    EXPECT_EQ(w, 0x4000 | 0x1000 | 670);
    w = ToneWord::write(w, 2, "", "024");
    EXPECT_EQ(w, 0x8000 | 0x2000 | 0x1000 | 20);
    // Type 0 rewrites only the type bits: value and flags stay.
    EXPECT_EQ(ToneWord::write(ctcssWord(671) | 0x2000, ToneWord::kTypeNone, "100", "023"), 0x2000 | 671);
    EXPECT_EQ(ToneWord::ctcssBoxText(671), "67.0");
    EXPECT_EQ(ToneWord::cdcssBoxText(671), "023");
    EXPECT_EQ(ToneWord::ctcssBoxText(ctcssWord(1000)), "100.0");
}

}  // namespace
