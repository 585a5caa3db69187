// Frequency words, typed frequencies, band clamping and step rules.
#include <gtest/gtest.h>

#include <clocale>

#include "model/ChannelStep.h"
#include "model/FreqBcd.h"
#include "model/FreqEntry.h"
#include "settings/ModelValues.h"
#include "settings/TextIds.h"

namespace {

const FreqBand kBand400 = FreqBand::fromMHz(400, 470);

TEST(FreqBcd, WordsAndNumbers)
{
    struct Case {
        std::uint32_t units;
        std::uint32_t word;
        const char* text;
    };
    const Case cases[] = {
        {40012500, 0x40012500, "400.12500"},
        {0, 0x00000000, "0.00000"},
        {13600000, 0x13600000, "136.00000"},
        {500, 0x00000500, "0.00500"},
        {99999999, 0x99999999, "999.99999"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FreqBcd::fromUnits(c.units), c.word) << c.text;
        EXPECT_EQ(FreqBcd::toUnits(c.word), c.units) << c.text;
        EXPECT_EQ(FreqBcd::text(c.word), c.text);
    }
    EXPECT_EQ(FreqBcd::fromUnits(123456789), 0x99999999u);  // beyond eight digits saturates
    EXPECT_EQ(FreqBcd::text(FreqBcd::kEmpty), "");
    EXPECT_EQ(FreqBcd::toUnits(0x4001A500), 4001u);  // a non-digit nibble ends the number
}

TEST(FreqBcd, ParseRoundsToTenHertz)
{
    struct Case {
        const char* text;
        std::uint32_t units;
    };
    const Case cases[] = {
        {"400.125", 40012500}, {"400.1234", 40012340}, {"400.123449", 40012345},
        {"400.123451", 40012345}, {"400,125", 40012500}, {" 146.52 ", 14652000},
        {"+146.52", 14652000}, {"", 0}, {"abc", 0}, {"-5", 0},
        {"1e2", 10000000}, {"5000", FreqBcd::kMaxValue}, {"1e400", FreqBcd::kMaxValue},
        {"nan", 0}, {"400.125MHz", 40012500},
    };
    for (const Case& c : cases) EXPECT_EQ(FreqBcd::parseUnits(c.text), c.units) << c.text;
}

TEST(FreqBcd, ParseAndTextIgnoreTheCLocale)
{
    const char* german = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (!german) german = std::setlocale(LC_ALL, "de_DE");
    EXPECT_EQ(FreqBcd::parseUnits("400.125"), 40012500u);
    EXPECT_EQ(FreqBcd::text(0x40012500), "400.12500");
    std::setlocale(LC_ALL, "C");
}

TEST(ChannelStep, DialogAndGridRules)
{
    struct Case {
        std::uint32_t in;
        std::uint32_t dialogUnits;
        std::uint8_t dialogCode;
        std::uint32_t gridUnits;
        char gridClass;
    };
    const Case cases[] = {
        {40012500, 40012500, StepCode::k12_5kHz, 40012500, GridStep::k12_5kHz},
        {40012000, 40012000, StepCode::k10kHz, 40012000, GridStep::k10kHz},
        {40011875, 40011875, StepCode::k6_25kHz, 40011875, GridStep::k6_25kHz},
        {40010500, 40010500, StepCode::k5kHz, 40010500, GridStep::k5kHz},
        {40005000, 40005000, StepCode::k12_5kHz, 40005000, GridStep::k12_5kHz},  // 50 kHz: both grids
        {40012340, 40011250, StepCode::k12_5kHz, 40012250, GridStep::k2_5kHz},
    };
    for (const Case& c : cases) {
        const StepResult d = classifyDialogStep(c.in);
        EXPECT_EQ(d.units, c.dialogUnits) << c.in;
        EXPECT_EQ(d.code, c.dialogCode) << c.in;
        const StepResult g = classifyGridStep(c.in);
        EXPECT_EQ(g.units, c.gridUnits) << c.in;
        EXPECT_EQ(g.code, static_cast<std::uint8_t>(c.gridClass)) << c.in;
    }
    EXPECT_EQ(gridDisplayUnits(40012340), 40011250u);
    EXPECT_EQ(gridDisplayUnits(40011875), 40011875u);
}

TEST(FreqEntry, DialogEditWriteBack)
{
    struct Case {
        const char* text;
        bool mayBeEmpty;
        std::uint32_t word;
        std::uint8_t step;
        const char* shown;
        int notice;
    };
    const Case cases[] = {
        {"400.125", true, 0x40012500, StepCode::k12_5kHz, "400.12500", 0},
        {"400.1234", true, 0x40011250, StepCode::k12_5kHz, "400.11250", 0},
        {"400.120", true, 0x40012000, StepCode::k10kHz, "400.12000", 0},
        {"400.11875", true, 0x40011875, StepCode::k6_25kHz, "400.11875", 0},
        {"400.105", true, 0x40010500, StepCode::k5kHz, "400.10500", 0},
        {"380", true, 0x40000000, StepCode::k12_5kHz, "400.00000", MsgId::kFreqOutOfBand},
        {"999", true, 0x47000000, StepCode::k12_5kHz, "470.00000", MsgId::kFreqOutOfBand},
        {"", true, FreqBcd::kEmpty, StepCode::kNone, "", 0},
        {"", false, 0x40000000, StepCode::k12_5kHz, "400.00000", MsgId::kFreqOutOfBand},
        {"470", true, 0x47000000, StepCode::k12_5kHz, "470.00000", 0},
    };
    for (const Case& c : cases) {
        const FreqEntry e = readDialogFreq(c.text, kBand400, c.mayBeEmpty);
        EXPECT_EQ(e.word, c.word) << c.text;
        EXPECT_EQ(e.step, c.step) << c.text;
        EXPECT_EQ(e.text, c.shown) << c.text;
        EXPECT_EQ(e.notice, c.notice) << c.text;
    }
}

TEST(FreqEntry, GridCellWriteBack)
{
    FreqEntry e = readGridFreq("400.1234", kBand400);
    EXPECT_EQ(e.text, "400.12250");
    EXPECT_EQ(e.step, static_cast<std::uint8_t>(GridStep::k2_5kHz));
    e = readGridFreq("3", kBand400);
    EXPECT_EQ(e.text, "400.00000");
    EXPECT_EQ(e.notice, MsgId::kFreqOutOfBand);
    e = readGridFreq("", kBand400);
    EXPECT_EQ(e.word, FreqBcd::kEmpty);
    EXPECT_EQ(e.step, GridStep::kNone);
}

TEST(FreqBand, FromModelAndWordClamp)
{
    ModelValues m;
    m.freqRange = "400-470";
    const FreqBand b = FreqBand::of(m);
    EXPECT_EQ(b.lo, 40000000u);
    EXPECT_EQ(b.hi, 47000000u);
    EXPECT_EQ(clampWordToBand(0x38000000, b), 0x40000000u);
    EXPECT_EQ(clampWordToBand(0x48000000, b), 0x47000000u);
    EXPECT_EQ(clampWordToBand(0x44012500, b), 0x44012500u);
    EXPECT_EQ(clampWordToBand(FreqBcd::kEmpty, b), FreqBcd::kEmpty);
    m.freqRange = "9999-99999";  // edges beyond eight digits saturate instead of wrapping
    EXPECT_EQ(FreqBand::of(m).hi, FreqBcd::kMaxValue);
}

}  // namespace

// The grid's step classes become the nibbles the radio knows; 2.5 kHz has
// none of its own and is stored like an off-grid dialog frequency.
TEST(ChannelStep, GridClassesBecomeStepCodes)
{
    const std::pair<unsigned char, std::uint8_t> cases[] = {
        {GridStep::k12_5kHz, StepCode::k12_5kHz}, {GridStep::k10kHz, StepCode::k10kHz},
        {GridStep::k6_25kHz, StepCode::k6_25kHz}, {GridStep::k5kHz, StepCode::k5kHz},
        {GridStep::k2_5kHz, StepCode::k12_5kHz},  {GridStep::kNone, StepCode::kNone},
    };
    for (const auto& [cls, code] : cases) EXPECT_EQ(stepCodeOfGridClass(cls), code) << int(cls);
}
