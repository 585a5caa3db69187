#include "app/ChannelCsv.h"
#include "app/ChannelReplace.h"
#include "app/CsvReader.h"
#include "model/CCodeplugData.h"
#include "model/ChannelRecord.h"
#include "model/FreqBcd.h"
#include "model/SectionFields.h"
#include "model/ToneWord.h"
#include "settings/FileIO.h"
#include "settings/ModelValues.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// What a channel holds, as the tests compare it.
struct Channel {
    std::uint32_t rx;  // 10 Hz units; 0 for none
    std::uint32_t tx;
    std::uint16_t rxTone, txTone;
    unsigned spacing, power;
    bool operator==(const Channel&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Channel& c)
{
    return os << c.rx << "/" << c.tx << " tones " << std::hex << c.rxTone << "/" << c.txTone << std::dec << " spacing "
              << c.spacing << " power " << c.power;
}

Channel channelOf(const Record& r)
{
    using namespace ChannelField;
    auto units = [](std::uint32_t w) { return w == FreqBcd::kEmpty ? 0u : FreqBcd::toUnits(w); };
    return {units(r.u32(RxFreq)), units(r.u32(TxFreq)), r.u16(RxTone), r.u16(TxTone),
            static_cast<unsigned>(fieldValue(r, *findField(Section::Channels, "spacing"))),
            static_cast<unsigned>(fieldValue(r, *findField(Section::Channels, "power")))};
}

ModelValues uhfModel()
{
    ModelValues m;
    m.modelId = "QAV410";
    m.modelName = "QA-410";
    m.freqRange = "400-470";
    return m;
}

std::string fixture(const char* name)
{
    std::string text;
    EXPECT_TRUE(readWholeFile(std::string(QAV_TESTS_DIR) + "/app/csv/" + name, text)) << name;
    return text;
}

constexpr std::uint16_t ctcss(unsigned tenths) { return static_cast<std::uint16_t>(0x4000 | tenths); }
std::uint16_t dcs(const char* code, bool inverted) { return ToneWord::write(0, inverted ? 3 : 2, "", code); }

bool mentions(const std::vector<std::string>& lines, const std::string& text)
{
    for (const std::string& l : lines)
        if (l.find(text) != std::string::npos) return true;
    return false;
}

constexpr unsigned kNarrow = 0, kWide = 2, kLow = 0, kMiddle = 1, kHigh = 2;

}  // namespace

TEST(ChannelCsv, ReadsWhatTheOtherProgramWrote)
{
    struct Case {
        const char* file;
        std::vector<Channel> expected;
        std::vector<std::string> warned;
    };
    const Case cases[] = {
        {"written-by-debian-chirp.csv",
         {
             {44600625, 44600625, 0, 0, kNarrow, kHigh},
             {43850000, 43090000, 0, ctcss(885), kWide, kHigh},               // - 7.6 MHz, Tone
             {44010000, 44510000, ctcss(1000), ctcss(1000), kNarrow, kHigh},  // + 5 MHz, TSQL
             {44550000, 44550000, dcs("023", true), dcs("023", false), kWide, kHigh},  // DTCS, polarity NR
             {46256250, 46756250, 0, 0, kNarrow, kHigh},                      // split
             {45000000, 0, 0, 0, kWide, kHigh},                               // no transmit
             // Cross without a CrossMode column: the older layout means Tone->Tone.
             {44609375, 44609375, ctcss(885), ctcss(670), kNarrow, kHigh},
             {40000000, 40000000, 0, 0, kWide, kHigh},  // 145.5 MHz clamped into the band
         },
         {"line 2, Name", "line 4, Skip", "line 5, Comment", "outside the radio's band", "line 10, Mode: the radio has no AM"}},
        {"newer-layout.csv",
         {
             {44600625, 44600625, 0, 0, kNarrow, kHigh},                                  // 5.0W
             {44609375, 44609375, dcs("115", true), ctcss(670), kNarrow, kLow},           // Tone->DTCS, NR, 1.0W
             {44010000, 44510000, 0, dcs("023", true), kWide, kMiddle},                   // DTCS->, RN, 2.5W
             {44550000, 44550000, dcs("311", true), dcs("311", true), kWide, kHigh},      // DTCS, RR
         },
         {}},
    };
    for (const Case& c : cases) {
        const CsvImport r = channelsFromCsv(fixture(c.file), uhfModel(), CCodeplugData::kEditorChannelLimit);
        ASSERT_TRUE(r.ok) << c.file << ": " << r.errors.front();
        ASSERT_EQ(r.channels.size(), c.expected.size()) << c.file;
        for (std::size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_EQ(channelOf(r.channels[i]), c.expected[i]) << c.file << " channel " << i + 1;
        for (const std::string& w : c.warned) EXPECT_TRUE(mentions(r.warnings, w)) << c.file << ": " << w;
    }
}

TEST(ChannelCsv, WhatItWritesReadsBackTheSame)
{
    auto store = std::make_unique<CCodeplugData>();
    const ModelValues model = uhfModel();
    store->loadDefaults(model);
    while (store->deleteChannel(0)) {
    }
    const std::vector<Channel> channels = {
        {44600625, 44600625, 0, 0, kNarrow, kLow},
        {43850000, 43090000, 0, ctcss(885), kWide, kHigh},
        {44010000, 44510000, ctcss(1000), ctcss(1000), kNarrow, kMiddle},
        {44550000, 44550000, dcs("023", true), dcs("023", false), kWide, kHigh},
        {40000000, 47000000, 0, 0, kNarrow, kHigh},  // 70 MHz apart: a split
        {45000000, 0, 0, 0, kWide, kHigh},
        {44609375, 44609375, dcs("754", false), ctcss(670), kNarrow, kHigh},
        {44700000, 44700000, ctcss(1318), dcs("411", true), kWide, kLow},
        {44712500, 44712500, ctcss(1000), 0, kNarrow, kLow},
    };
    for (std::size_t i = 0; i < channels.size(); ++i) {
        Record r = defaultChannelRecord(static_cast<int>(i), model);
        const Channel& c = channels[i];
        r.setU32(ChannelField::RxFreq, FreqBcd::fromUnits(c.rx));
        r.setU32(ChannelField::TxFreq, c.tx ? FreqBcd::fromUnits(c.tx) : FreqBcd::kEmpty);
        r.setU16(ChannelField::RxTone, c.rxTone);
        r.setU16(ChannelField::TxTone, c.txTone);
        setFieldValue(r, *findField(Section::Channels, "spacing"), c.spacing);
        setFieldValue(r, *findField(Section::Channels, "power"), c.power);
        ASSERT_NE(store->appendChannel(r), nullptr);
    }
    const CsvExport out = channelsToCsv(*store);
    EXPECT_TRUE(out.warnings.empty()) << out.warnings.front();
    EXPECT_EQ(out.text.substr(0, out.text.find('\r')),
              "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
              "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE");
    EXPECT_NE(out.text.find("\r\n5,,400.000000,split,470.000000,"), std::string::npos) << out.text;
    const CsvImport back = channelsFromCsv(out.text, model, CCodeplugData::kEditorChannelLimit);
    ASSERT_TRUE(back.ok) << back.errors.front();
    EXPECT_TRUE(back.warnings.empty()) << back.warnings.front();
    ASSERT_EQ(back.channels.size(), channels.size());
    for (std::size_t i = 0; i < channels.size(); ++i)
        EXPECT_EQ(channelOf(back.channels[i]), channels[i]) << "channel " << i + 1;
}

TEST(ChannelCsv, BadInputIsNamedByLineAndColumn)
{
    const std::string head =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,TStep,Skip,Comment\n";
    auto row = [](int loc, const char* freq, const char* tone = "", const char* rtone = "88.5") {
        return std::to_string(loc) + ",," + freq + ",,0.000000," + tone + "," + rtone + ",88.5,023,NN,FM,5.00,,\n";
    };
    std::string many = head;
    for (int i = 1; i <= 17; ++i) many += row(i, "440.000000");
    struct Case {
        const char* name;
        std::string text;
        bool ok;
        const char* said;  // in an error when refused, in a warning otherwise
    };
    const Case cases[] = {
        {"not a channel list", "Channel,RX\n1,440\n", false, "line 1: not a channel list header"},
        {"empty file", "", false, "line 1"},
        {"a quoted field with a line end", head + "1,,440.000000,,0,,88.5,88.5,023,NN,FM,5.00,,\"two\nlines\"\n" + row(2, "441.0"),
         true, "line 2, Comment"},
        {"unknown tone", head + row(1, "440.0", "Tone", "12.3"), false, "line 2, rToneFreq"},
        {"unknown tone mode", head + row(1, "440.0", "Magic"), false, "line 2, Tone"},
        {"frequency out of band", head + row(1, "520.0"), true, "outside the radio's band"},
        {"not a frequency", head + row(1, "four forty"), false, "line 2, Frequency"},
        {"duplicate location", head + row(3, "440.0") + row(3, "441.0"), false, "line 3, Location: 3 is given twice"},
        {"more rows than the radio holds", many, false, "the radio holds 16 channels"},
        {"byte order mark and CRLF", "\xEF\xBB\xBF" + head + "1,,440.000000,,0,,88.5,88.5,023,NN,FM,5.00,,\r\n", true, ""},
        {"unclosed quote", head + "1,\"x,440.0\n", false, "not closed"},
        {"short row", head + "1,,440.0\n", false, "line 2: has 3 fields"},
        {"bad polarity", head + "1,,440.0,,0,DTCS,88.5,88.5,023,XY,FM,5.00,,\n", false, "line 2, DtcsPolarity"},
        {"bad code", head + "1,,440.0,,0,DTCS,88.5,88.5,089,NN,FM,5.00,,\n", false, "line 2, DtcsCode"},
    };
    for (const Case& c : cases) {
        const CsvImport r = channelsFromCsv(c.text, uhfModel(), CCodeplugData::kEditorChannelLimit);
        EXPECT_EQ(r.ok, c.ok) << c.name << ": " << (r.errors.empty() ? "" : r.errors.front());
        if (!c.ok) {
            EXPECT_TRUE(r.channels.empty()) << c.name;  // nothing partial
        }
        if (*c.said) {
            EXPECT_TRUE(mentions(c.ok ? r.warnings : r.errors, c.said)) << c.name;
        }
    }
}

TEST(ChannelCsv, FieldsAreQuotedOnlyWhereNeeded)
{
    EXPECT_EQ(csvLine({"a", "b,c", "say \"hi\"", "two\nlines", ""}), "a,\"b,c\",\"say \"\"hi\"\"\",\"two\nlines\",\r\n");
    std::vector<CsvRow> rows;
    std::string error;
    ASSERT_TRUE(readCsv(csvLine({"a", "b,c", "say \"hi\"", "two\nlines", ""}) + "\n\nx\n", rows, error));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].fields, (std::vector<std::string>{"a", "b,c", "say \"hi\"", "two\nlines", ""}));
    EXPECT_EQ(rows[1].line, 5);  // the quoted line end and the blank lines count
}

TEST(ChannelCsv, TheOtherProgramReadsWhatItWrites)
{
    // factory-resaved-by-debian-chirp.csv is this program's export of the
    // factory channels of a 400-470 MHz radio, loaded and saved again by the
    // other program (its older layout): it read every row, and the channels
    // come back as they were.
    auto store = std::make_unique<CCodeplugData>();
    store->loadDefaults(uhfModel());
    const CsvImport r =
        channelsFromCsv(fixture("factory-resaved-by-debian-chirp.csv"), uhfModel(), CCodeplugData::kEditorChannelLimit);
    ASSERT_TRUE(r.ok) << r.errors.front();
    EXPECT_TRUE(r.warnings.empty()) << r.warnings.front();
    ASSERT_EQ(r.channels.size(), store->channels.size());
    for (std::size_t i = 0; i < r.channels.size(); ++i)
        EXPECT_EQ(r.channels[i], store->channels[i].record) << "channel " << i + 1;
}

TEST(ChannelCsv, ReplacingTheChannelsMendsWhatNamedTheOldOnes)
{
    auto store = std::make_unique<CCodeplugData>();
    store->loadDefaults(uhfModel());
    Record& scan = store->scanLists[0].record;
    scan.setU16(ScanField::PriorityChannel, 9);
    scan.setU16(ScanField::DesignatedChannel, 2);
    std::vector<Record> three;
    for (int i = 0; i < 3; ++i) three.push_back(defaultChannelRecord(i, uhfModel()));
    const std::vector<std::string> mended = replaceChannels(*store, three);
    EXPECT_EQ(store->channels.size(), 3u);
    EXPECT_EQ(scan.u8(ScanField::Entries), 3);  // the factory list scanned channels 1-16
    for (int k = 0; k < 3; ++k) EXPECT_EQ(scan.u16(ScanField::member(k)), k + 1);
    EXPECT_EQ(scan.u16(ScanField::PriorityChannel), 1);
    EXPECT_EQ(scan.u16(ScanField::DesignatedChannel), 2);  // still there
    EXPECT_TRUE(mentions(mended, "member 4 (channel 4) dropped"));
    EXPECT_TRUE(mentions(mended, "priority channel 9 is now channel 1"));
    for (std::size_t k = 0; k < 3; ++k) EXPECT_EQ(store->scanLists[0].memberIds[k], store->channels[k].id);
}
