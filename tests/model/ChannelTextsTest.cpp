// The channel record to and from the texts its editors show.
#include <gtest/gtest.h>

#include "model/ChannelRecord.h"
#include "model/ChannelTexts.h"
#include "model/FreqEntry.h"

namespace {

std::vector<ListItem> lists(int listId)
{
    switch (listId) {
    case ChannelLists::kSpacing: return {{0, "12.5K"}, {1, "20K"}, {2, "25K"}};
    case ChannelLists::kPower: return {{0, "Low"}, {2, "High"}};
    case ChannelLists::kRxType:
    case ChannelLists::kTxType: return {{0, "None"}, {1, "CTCSS"}, {2, "CDCSS"}, {3, "CDCSS Invert"}};
    default: return {};
    }
}

Record channel(std::uint32_t rx, std::uint32_t tx, std::uint16_t rxTone, std::uint16_t txTone)
{
    using namespace ChannelField;
    Record r(kSize, 0xFF);
    r.setU32(RxFreq, rx);
    r.setU32(TxFreq, tx);
    r.setU16(RxTone, rxTone);
    r.setU16(TxTone, txTone);
    r.setU8(Steps, 0x66);
    r.setU8(SpacingPower, 0x22);
    r.setU8(Personality, 1);
    r.setU8(ScanList, 0);
    r.setU8(Flags, 0xC1);
    r.setU8(Flags2, 0xFD);
    return r;
}

struct ToTextsCase {
    const char* what;
    std::uint16_t tone;
    const char *type, *ctcss, *cdcss;
};

TEST(ChannelTexts, ToneTextsByType)
{
    const ToTextsCase cases[] = {
        {"CTCSS 131.8", 0x4000 | 1318, "CTCSS", "131.8", "023"},
        {"CDCSS 754", 0x8000 | 0754, "CDCSS", "67.0", "754"},
        {"inverted CDCSS 023", 0xC000 | 023, "CDCSS Invert", "67.0", "023"},
        {"none keeps its value bits", 0x0000 | 1318, "None", "67.0", "023"},
    };
    for (const ToTextsCase& c : cases) {
        SCOPED_TRACE(c.what);
        const ChannelTexts t = channelToTexts(channel(0x40032500, 0x40032500, c.tone, c.tone), lists);
        EXPECT_EQ(t.rxType, c.type);
        EXPECT_EQ(t.rxCtcss, c.ctcss);
        EXPECT_EQ(t.rxCdcss, c.cdcss);
        EXPECT_EQ(t.txType, c.type);
    }
}

TEST(ChannelTexts, NumbersAndOptionTexts)
{
    const ChannelTexts t = channelToTexts(channel(0x40032500, 0xFFFFFFFF, 0x4000 | 1318, 0), lists);
    EXPECT_EQ(t.rxFreq, 0x40032500u);
    EXPECT_EQ(t.txFreq, 0xFFFFFFFFu);
    EXPECT_EQ(t.spacing, "25K");
    EXPECT_EQ(t.power, "High");
    EXPECT_EQ(t.rxStep, 6);
    EXPECT_EQ(t.personality, 1);
    EXPECT_EQ(t.scanList, 0);
    EXPECT_EQ(t.flags20, (std::array<int, 8>{1, 0, 0, 0, 0, 0, 1, 1}));
    EXPECT_EQ(t.flags21, (std::array<int, 3>{1, 0, 1}));
}

struct FromTextsCase {
    const char* what;
    std::uint32_t rx, tx;
    std::uint32_t storedRx, storedTx;
    std::uint8_t steps;
    bool clamped;
};

TEST(ChannelTexts, FrequenciesAreClampedAndEmptied)
{
    const FromTextsCase cases[] = {
        {"inside the band", 0x40032500, 0x46012500, 0x40032500, 0x46012500, 0x66, false},
        {"receive below the band", 0x39000000, 0x40032500, 0x40000000, 0x40032500, 0x66, true},
        {"transmit above the band", 0x40032500, 0x48000000, 0x40032500, 0x47000000, 0x66, true},
        {"empty receive empties transmit", 0xFFFFFFFF, 0x40032500, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF, false},
        {"empty transmit stays empty", 0x40032500, 0xFFFFFFFF, 0x40032500, 0xFFFFFFFF, 0xF6, false},
    };
    for (const FromTextsCase& c : cases) {
        SCOPED_TRACE(c.what);
        Record r = channel(0x41000000, 0x41000000, 0x4000 | 1318, 0x4000 | 1318);
        ChannelTexts t = channelToTexts(r, lists);
        t.rxFreq = c.rx;
        t.txFreq = c.tx;
        EXPECT_EQ(channelFromTexts(r, t, lists, FreqBand::fromMHz(400, 470)), c.clamped);
        EXPECT_EQ(r.u32(ChannelField::RxFreq), c.storedRx);
        EXPECT_EQ(r.u32(ChannelField::TxFreq), c.storedTx);
        EXPECT_EQ(r.u8(ChannelField::Steps), c.steps);
    }
}

TEST(ChannelTexts, TypesTonesAndOptionsWrittenBack)
{
    using namespace ChannelField;
    Record r = channel(0x40032500, 0x40032500, 0x4000 | 1318, 0x4000 | 1318);
    const Record before = r;
    ChannelTexts t = channelToTexts(r, lists);
    t.rxType = "CDCSS";
    t.rxCdcss = "754";
    t.txType = "None";
    t.spacing = "not a spacing";
    t.power = "Low";
    t.personality = 5;  // written by the personality box, not here
    channelFromTexts(r, t, lists, FreqBand::fromMHz(400, 470));
    EXPECT_EQ(r.u16(RxTone), 0x8000 | 0754);
    EXPECT_EQ(r.u16(TxTone), 1318);  // type none keeps the value bits
    EXPECT_EQ(r.bits(SpacingPower, 0, 4), 0xFu);
    EXPECT_EQ(r.bits(SpacingPower, 4, 4), 0u);
    for (Offset off = Personality; off < kSize; ++off) EXPECT_EQ(r.u8(off), before.u8(off)) << off;

    // A tone off the standard table is kept with its marker bit.
    t = channelToTexts(r, lists);
    t.rxType = "CTCSS";
    t.rxCtcss = "100.3";
    channelFromTexts(r, t, lists, FreqBand::fromMHz(400, 470));
    EXPECT_EQ(r.u16(RxTone), 0x4000 | 0x2000 | 1003);
}

}  // namespace

// Whatever edited a channel (a grid cell, a paste), it keeps its
// frequencies in the band and no transmit frequency without a receive one.
TEST(ChannelTexts, NormaliseKeepsTheChannelConsistent)
{
    const FreqBand band = FreqBand::fromMHz(400, 470);
    struct Case {
        const char* what;
        std::uint32_t rx, tx;
        std::uint32_t wantRx, wantTx;
        std::uint8_t wantSteps;
        bool clamped;
    } cases[] = {
        {"in band", 0x40012500, 0x41012500, 0x40012500, 0x41012500, 0x66, false},
        {"below and above", 0x38000000, 0x48000000, 0x40000000, 0x47000000, 0x66, true},
        {"no receive frequency", 0xFFFFFFFF, 0x41012500, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF, false},
        {"no transmit frequency", 0x40012500, 0xFFFFFFFF, 0x40012500, 0xFFFFFFFF, 0xF6, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Record r = channel(c.rx, c.tx, 0x4000 | 670, 0x4000 | 670);
        EXPECT_EQ(normaliseChannel(r, band), c.clamped);
        EXPECT_EQ(r.u32(ChannelField::RxFreq), c.wantRx);
        EXPECT_EQ(r.u32(ChannelField::TxFreq), c.wantTx);
        EXPECT_EQ(r.u8(ChannelField::Steps), c.wantSteps);
    }
}

TEST(ChannelTexts, CellTextsAreCheckedBeforeTheyAreRead)
{
    struct Case {
        const char* text;
        bool freq, ctcss, cdcss;
    } cases[] = {
        {"400.125", true, true, false}, {" 400,125 ", true, true, false}, {"67", true, true, true},
        {"023", true, true, true},      {"089", true, true, false},        {"1234", true, true, false},
        {"4.0.1", false, false, false}, {"abc", false, false, false},       {"", false, false, false},
        {".", false, false, false},     {"-5", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(isFrequencyText(c.text), c.freq);
        EXPECT_EQ(isCtcssText(c.text), c.ctcss);
        EXPECT_EQ(isCdcssText(c.text), c.cdcss);
    }
}
