#include "model/AlertToneRecord.h"
#include "model/CCodeplugData.h"
#include "model/ChannelRecord.h"
#include "model/PersonalityRecord.h"
#include "model/ScanRecord.h"
#include "model/TestFreqRecord.h"
#include "model/TuneDataRecord.h"
#include "model/TwoToneRecords.h"
#include "settings/ModelValues.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> bytesOf(const Record& r, std::size_t from, std::size_t len)
{
    const auto b = r.bytes(from, len);
    return {b.begin(), b.end()};
}

ModelValues uhf()
{
    ModelValues m;
    m.modelName = "QAV-450-LONGNAME";
    m.freqRange = "400-470";
    m.bandFlags = 0x03;
    m.signal = 4;
    return m;
}

}  // namespace

TEST(DefaultRecords, ChannelsStepThroughBandAndTones)
{
    struct Case { int index; std::uint32_t freq; std::uint16_t tone; std::uint8_t flags; };
    const Case cases[] = {
        {0, 0x40032500u, 0x4000 | 1318, 0x00},
        {1, 0x40082500u, 0x4000 | 1365, 0x00},
        {15, 0x40782500u, 0x4000 | 1862, 0x40},  // the sixteenth starts scanning by itself
    };
    for (const Case& c : cases) {
        const Record r = defaultChannelRecord(c.index, uhf());
        EXPECT_EQ(r.u32(ChannelField::RxFreq), c.freq) << c.index;
        EXPECT_EQ(r.u32(ChannelField::TxFreq), c.freq);
        EXPECT_EQ(r.u16(ChannelField::RxTone), c.tone);
        EXPECT_EQ(r.u16(ChannelField::TxTone), c.tone);
        EXPECT_EQ(r.u8(ChannelField::Flags), c.flags);
        EXPECT_EQ(bytesOf(r, 0, 4), (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF}));
        EXPECT_EQ(bytesOf(r, 16, 8), (std::vector<std::uint8_t>{0x66, 0x22, 0, 1, c.flags, 0xFC, 0, 0}));
    }
}

TEST(DefaultRecords, ListKindsMatchTheirFactoryBytes)
{
    const Record p = defaultPersonalityRecord();
    EXPECT_EQ(bytesOf(p, 0, 27), (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0x40, 0xC0, 0xFF, 0, 1, 0, 0, 0xFC, 1, 0,
                                                            60, 10, 0, 0, 0, 1, 10, 1, 0, 0, 0xFD, 25, 5}));
    EXPECT_EQ(p.u8(75), 0xFF);

    const Record s = defaultScanRecord();
    EXPECT_EQ(bytesOf(s, 0, 24), (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 16, 0xE6, 25, 0xC0, 8, 1, 0, 2, 0, 0xF8,
                                                            1, 0, 3, 0x0F, 0xFE, 0xFE, 0xFF, 4, 50, 20}));
    for (int k = 0; k < 16; ++k) EXPECT_EQ(s.u16(ScanField::member(k)), k + 1);

    const Record sys = defaultTwoToneSystemRecord();
    EXPECT_EQ(bytesOf(sys, 0, 16), (std::vector<std::uint8_t>{0x05, 0x0A, 0x1E, 0x32, 0x0A, 0xFE, 0x3D, 0xC1, 0x3E, 0xC1,
                                                              0x35, 0xC1, 0x39, 0xC1, 0x7F, 0x05}));
    EXPECT_EQ(sys.u16(16), 3217);
    EXPECT_EQ(sys.u16(22), 20438);
    EXPECT_TRUE(isTwoToneSystemValid(sys));

    const Record call = defaultTwoToneCallRecord();
    EXPECT_EQ(bytesOf(call, 0, 12),
              (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0xF0, 0, 0, 0x88, 0x13, 0x10, 0x27, 0xFF}));
}

TEST(DefaultRecords, AlertTonePatternsDependOnTheirPosition)
{
    struct Case { int n; std::uint8_t cycle, segments, firstFreq, firstDur, lastFreq, lastDur; };
    const Case cases[] = {
        {0, 1, 3, 210, 10, 1, 10}, {1, 3, 1, 80, 4, 0, 4},   {2, 3, 1, 170, 3, 1, 0},
        {3, 3, 1, 64, 6, 1, 0},    {4, 3, 1, 150, 20, 1, 0}, {5, 0, 0, 0, 0, 0, 0},
        {8, 0, 0, 0, 0, 0, 0},     {9, 1, 3, 210, 10, 1, 10},
    };
    for (const Case& c : cases) {
        const Record r = defaultAlertToneRecord(c.n);
        EXPECT_EQ(r.u8(0), c.cycle) << c.n;
        EXPECT_EQ(r.u8(1), c.segments) << c.n;
        EXPECT_EQ(r.u8(AlertToneField::frequency(0)), c.firstFreq) << c.n;
        EXPECT_EQ(r.u8(AlertToneField::duration(0)), c.firstDur) << c.n;
        EXPECT_EQ(r.u8(AlertToneField::frequency(7)), c.lastFreq) << c.n;
        EXPECT_EQ(r.u8(AlertToneField::duration(7)), c.lastDur) << c.n;
    }
}

TEST(DefaultRecords, LoadDefaultsFillsEveryFixedSection)
{
    CCodeplugData s;
    s.setStampSource([] { return ProgrammingStamp{1, 2, 3, 4, 5, 26, 20, 0}; });
    s.loadDefaults(uhf());
    EXPECT_EQ(s.alertTones.size(), 5u);
    EXPECT_EQ(s.personalities.size(), 1u);
    EXPECT_EQ(s.scanLists.size(), 1u);
    EXPECT_EQ(s.channels.size(), 16u);
    EXPECT_EQ(s.twoToneSystems.size(), 1u);
    EXPECT_EQ(s.twoToneCalls.size(), 0u);
    EXPECT_EQ(s.alertTones[4].record.u8(2), 150);

    EXPECT_EQ(bytesOf(s.keys, 0, 6), (std::vector<std::uint8_t>{0, 0, 24, 0, 0, 17}));
    EXPECT_EQ(s.keys.u8(17), 0);
    EXPECT_EQ(s.keys.u8(24), 1);

    EXPECT_EQ(bytesOf(s.misc, 0, 12), (std::vector<std::uint8_t>{5, 0xFE, 0x01, 0xFF, 0xFF, 0xEB, 15, 0, 5, 0xF8, 0, 0xF0}));
    EXPECT_EQ(s.misc.u8(20), 0);
    EXPECT_EQ(s.misc.u16(23), 16);
    EXPECT_EQ(s.misc.u8(25), 2);
    EXPECT_EQ(bytesOf(s.misc, 36, 14), (std::vector<std::uint8_t>{0xFF, 10, 0xFF, 100, 0xF9, 0xD1, 0xFD, 0xFC, 0x84, 0xFB,
                                                                  0xFE, 1, 0, 0}));

    EXPECT_EQ(bytesOf(s.password, 0, 24), std::vector<std::uint8_t>(24, 0));
    EXPECT_EQ(bytesOf(s.atis, 0, 7), (std::vector<std::uint8_t>{0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 3}));
    EXPECT_EQ(bytesOf(s.pttId, 0, 6), (std::vector<std::uint8_t>{1, 0, 0, 0xFD, 25, 5}));
    EXPECT_EQ(bytesOf(s.dos, 0, 2), (std::vector<std::uint8_t>{0x20, 15}));
    EXPECT_EQ(bytesOf(s.embeddedMessage, 0, 144), std::vector<std::uint8_t>(144, 0));

    EXPECT_EQ(s.radioInfo.text(0, 12), "QAV-450-LONG");
    EXPECT_EQ(s.radioInfo.u8(12), 0x03);
    EXPECT_EQ(s.radioInfo.u8(14), 4);
    EXPECT_EQ(bytesOf(s.radioInfo, 16, 8), (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 26, 20, 0}));
    EXPECT_EQ(s.radioInfo.u32(24), 0x40000000u);
    EXPECT_EQ(s.radioInfo.u32(28), 0x47000000u);
    EXPECT_EQ(s.radioInfo.text(56, 16), std::string(16, '-'));

    EXPECT_EQ(s.tuneData.u16be(0), 446);
    EXPECT_EQ(s.tuneData.u16be(2), 0xFFFF);
    EXPECT_EQ(s.tuneData.u16be(80), 255);
    EXPECT_EQ(s.tuneData.u16be(82), 0xFFFF);
    EXPECT_EQ(tuneDataOffset(0x8387), 230);
    EXPECT_EQ(tuneDataOffset(0x830D), 230);
    EXPECT_EQ(tuneDataOffset(0x9999), 0);
}

TEST(DefaultRecords, TestFrequenciesSpreadOverTheBand)
{
    ModelValues m;
    m.freqRange = "136-174";  // e 155, f 145, g 140, h 150, l 164, m 159, o 169
    CCodeplugData s;
    s.loadDefaults(m);
    struct Row { int k; std::uint32_t rx, tx; };
    const Row tests[] = {{0, 0x13615000, 0x13600000}, {1, 0x14015000, 0x14000000}, {2, 0x14485000, 0x14500000},
                         {3, 0x14985000, 0x15000000}, {4, 0x15515000, 0x15500000}, {5, 0x15915000, 0x15900000},
                         {6, 0x16385000, 0x16400000}, {7, 0x16885000, 0x16900000}, {8, 0x17385000, 0x17400000},
                         {9, 0, 0},                   {15, 0, 0}};
    for (const Row& r : tests) {
        EXPECT_EQ(s.testFreq.u32(TestFreqField::testRx(r.k)), r.rx) << r.k;
        EXPECT_EQ(s.testFreq.u32(TestFreqField::testTx(r.k)), r.tx) << r.k;
        EXPECT_EQ(s.testFreq.u8(TestFreqField::testRxStep(r.k)), r.rx ? 6 : 0) << r.k;
    }
    const Row points[] = {{0, 0x13615000, 0x13600000}, {1, 0x14515000, 0x14500000}, {2, 0x15515000, 0x15500000},
                          {3, 0x16415000, 0x16400000}, {4, 0x17385000, 0x17400000}};
    for (const Row& r : points) {
        EXPECT_EQ(s.testFreq.u32(TestFreqField::pointRx(r.k)), r.rx) << r.k;
        EXPECT_EQ(s.testFreq.u32(TestFreqField::pointTx(r.k)), r.tx) << r.k;
        EXPECT_EQ(s.testFreq.u8(TestFreqField::pointSteps(r.k)), 0x66);
    }
}

TEST(DefaultRecords, FactoryValuesKeepBitsTheyDoNotName)
{
    CCodeplugData s;
    s.misc.fill(0x00);
    s.radioInfo.fill(0x00);
    s.loadDefaults(uhf());
    EXPECT_EQ(s.misc.u8(21), 0x00);
    EXPECT_EQ(s.misc.u8(36), 0x03);
    EXPECT_EQ(s.misc.u8(40), 0x01);
    EXPECT_EQ(s.radioInfo.u8(13), 0x00);
    EXPECT_EQ(s.radioInfo.u8(40), 0x00);
}
