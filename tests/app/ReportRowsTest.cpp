// The rows the report builds from a section store: the channel block in
// detail, and every section in both languages.
#include "app/ReportSections.h"
#include "model/CCodeplugData.h"
#include "model/ChannelRecord.h"
#include "settings/LanguageFile.h"
#include "settings/ModelValues.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class ReportRowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(english_.load(QAV_DATA_DIR "/QAV_E.lng"));
        ASSERT_TRUE(chinese_.load(QAV_DATA_DIR "/QAV_S.lng"));
        model_.modelId = "QAV410";
        model_.modelName = "QAV-410";
        model_.freqRange = "400-470";
        store_.setStampSource([] { return ProgrammingStamp{5, 4, 3, 2, 1, 26, 20, 0}; });
        store_.loadDefaults(model_);
    }

    ReportSource source(const LanguageFile& lang) const { return {store_, lang, model_, "1.04.07"}; }
    ReportRows build(int id, const LanguageFile& lang) const { return buildReport(source(lang), {id}); }

    // The data rows of the channel block: after two title and three heading rows.
    std::vector<ReportRow> channelRows() const
    {
        const ReportRows rows = build(ReportSectionId::kChannels, english_);
        return {rows.begin() + 5, rows.end() - 1};
    }

    LanguageFile english_, chinese_;
    ModelValues model_;
    CCodeplugData store_;
};

TEST_F(ReportRowsTest, ChannelBlockShape)
{
    const ReportRows rows = build(ReportSectionId::kChannels, english_);
    ASSERT_EQ(rows.size(), 2 + 3 + store_.channels.size() + 1);
    EXPECT_EQ(rows[0].style, RowStyle::kTitle);
    EXPECT_EQ(rows[0].texts, (std::vector<std::string>{"", "Channel", ""}));
    EXPECT_EQ(rows[0].weights, (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(rows[1].texts, (std::vector<std::string>{"", "", ""}));
    const std::vector<std::string> head1{"Channel", "Channel", "Power", "RX", "RX", "RX",
                                         "TX", "TX", "TX", "Personality", "Scan", "Auto"};
    const std::vector<std::string> head3{"", "", "", "[MHz]", "", "/CDCSS", "[MHz]", "", "/CDCSS", "", "", "Scan"};
    EXPECT_EQ(rows[2].texts, head1);
    EXPECT_EQ(rows[4].texts, head3);
    for (int i = 2; i <= 4; ++i) EXPECT_EQ(rows[static_cast<std::size_t>(i)].style, RowStyle::kHeader);
    EXPECT_EQ(rows.back().texts, (std::vector<std::string>(4, "")));
    EXPECT_EQ(rows.back().weights, (std::vector<int>{1, 1, 1, 1}));
    for (const ReportRow& r : rows) EXPECT_EQ(r.texts.size(), r.weights.size());
}

TEST_F(ReportRowsTest, ChannelValuesAsTheEditorsShowThem)
{
    using namespace ChannelField;
    // Channel 2: no frequencies, CDCSS D023 on receive and inverted D754 on
    // transmit, no scan list, a personality that does not exist.
    Record& r = store_.channels[1].record;
    r.setU32(RxFreq, 0xFFFFFFFFu);
    r.setU32(TxFreq, 0xFFFFFFFFu);
    r.setU16(RxTone, 0x8000 | 023);
    r.setU16(TxTone, 0xC000 | 0754);
    r.setU8(ScanList, 0);
    r.setU8(Personality, 5);
    r.setBits(SpacingPower, 0, 4, 0);
    r.setBits(SpacingPower, 4, 4, 1);
    // Channel 3 names scan list 4, which is not there.
    store_.channels[2].record.setU8(ScanList, 4);
    store_.resolveLinks();

    const std::vector<ReportRow> rows = channelRows();
    ASSERT_EQ(rows.size(), 16u);
    EXPECT_EQ(rows[0].texts, (std::vector<std::string>{"CH 1", "25 kHz", "High", "400.32500", "CTCSS", "131.8",
                                                       "400.32500", "CTCSS", "131.8", "1", "1", "Off"}));
    EXPECT_EQ(rows[1].texts, (std::vector<std::string>{"CH 2", "12.5 kHz", "Middle", "", "CDCSS", "023", "",
                                                       "CDCSS Inverted", "754", "", "None", "Off"}));
    EXPECT_EQ(rows[2].texts[10], "");
    EXPECT_EQ(rows[15].texts[11], "On");
    for (const ReportRow& row : rows) EXPECT_EQ(row.style, RowStyle::kData);
}

TEST_F(ReportRowsTest, EverySectionInBothLanguages)
{
    for (const LanguageFile* lang : {&english_, &chinese_}) {
        for (const ReportSection& s : reportSections()) {
            ReportRows rows;
            ASSERT_NO_THROW(rows = build(s.id, *lang)) << s.shortName;
            ASSERT_GE(rows.size(), 3u) << s.shortName;
            // The title is the section's name in the report's language.
            EXPECT_EQ(rows[0].texts[1], lang->caption(s.id)) << s.shortName;
            for (const ReportRow& r : rows) {
                EXPECT_EQ(r.texts.size(), r.weights.size()) << s.shortName;
                for (int w : r.weights) EXPECT_GT(w, 0) << s.shortName;
            }
        }
    }
}

// What a dealer checks against the radio: a setting's label beside what its
// control shows.
TEST_F(ReportRowsTest, SettingsShowTheirOptionTexts)
{
    auto find = [](const ReportRows& rows, const std::string& label) -> std::string {
        for (const ReportRow& r : rows)
            if (r.texts.size() == 2 && r.texts[0] == label) return r.texts[1];
        return "<missing>";
    };
    store_.misc.setBits(40, 0, 3, 3);     // battery save mode
    store_.dos.setBits(0, 0, 1, 1);       // DOS enabled
    store_.personalities[0].record.setU16(21, 0xFFFF);
    const struct {
        int section;
        const char* label;
        const char* shown;
    } cases[] = {
        {ReportSectionId::kRadio, "Firmware Version", "V1.04.07"},
        {ReportSectionId::kRadio, "Frequency Range[MHz]", "400-470"},
        {ReportSectionId::kRadio, "Last Programmed Date", "2026-01-02 03:04:05"},
        {ReportSectionId::kKeys, "Side Key 1 Long Press", "Monitor"},
        {ReportSectionId::kMisc, "Battery Save Mode", "Ratio 1/16"},
        {ReportSectionId::kMisc, "VOX Delay Time[s]", "1.5"},
        {ReportSectionId::kDos, "DOS Enable", "On"},
        {ReportSectionId::kAtis, "ATIS Code", "999999999999"},
        {ReportSectionId::kPersonalities, "Primary ID", "DEEE"},
        {ReportSectionId::kPersonalities, "Side Tone", "Off"},
        {ReportSectionId::kScan, "Priority Sweep Time[ms]", "2000"},
        {ReportSectionId::kTwoToneSystems, "A Tone[Hz]", "321.7"},
    };
    for (const auto& c : cases) EXPECT_EQ(find(build(c.section, english_), c.label), c.shown) << c.label;
}

TEST_F(ReportRowsTest, ReferencesToMissingChannelsPrintEmpty)
{
    auto valueOf = [](const ReportRows& rows, const std::string& label) {
        for (const ReportRow& r : rows)
            if (r.texts.size() == 2 && r.texts[0] == label) return r.texts[1];
        return std::string("<missing>");
    };
    ASSERT_TRUE(store_.deleteChannel(2));
    const ReportRows scan = build(ReportSectionId::kScan, english_);
    EXPECT_EQ(valueOf(scan, "Channel 2"), "2");
    EXPECT_EQ(valueOf(scan, "Channel 3"), "");   // its channel was deleted
    EXPECT_EQ(valueOf(scan, "Channel 4"), "3");  // the channel moved up one place
    EXPECT_EQ(valueOf(scan, "Designated Channel No."), "1");

    // Two-tone calls: no revert channel, one that exists, one beyond the list.
    ASSERT_EQ(store_.twoToneCalls.size(), 0u);
    for (int i = 0; i < 3; ++i) ASSERT_NE(store_.addTwoToneCall(), nullptr);
    store_.twoToneCalls[1].record.setU16(5, 2);
    store_.twoToneCalls[2].record.setU16(5, 40);
    store_.resolveLinks();
    const ReportRows calls = build(ReportSectionId::kTwoToneCalls, english_);
    ASSERT_EQ(calls.size(), 2 + 1 + 3 + 1u);
    const std::size_t first = 3;
    EXPECT_EQ(calls[first].texts[4], "None");
    EXPECT_EQ(calls[first + 1].texts[4], "2");
    EXPECT_EQ(calls[first + 2].texts[4], "");
    EXPECT_EQ(calls[first].texts[5], "500.0");  // the factory first tone, 5000
}

// Whatever an image holds (a damaged file, a radio that sent garbage), the
// report is built: values outside their lists print empty.
TEST_F(ReportRowsTest, AnyImageBuildsEverySection)
{
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<std::uint8_t>(seed >> 24);
    };
    for (int round = 0; round < 40; ++round) {
        for (auto& b : store_.image()) b = next();
        store_.unpack();
        for (const LanguageFile* lang : {&english_, &chinese_}) {
            ReportRows rows;
            ASSERT_NO_THROW(rows = buildReport(source(*lang), *parseSectionList(""))) << round;
            for (const ReportRow& r : rows) ASSERT_EQ(r.texts.size(), r.weights.size()) << round;
        }
    }
}

TEST_F(ReportRowsTest, SingleSectionFallsBackToTheFirst)
{
    const ReportRows unknown = buildSectionReport(source(english_), 32813);
    EXPECT_EQ(unknown, build(ReportSectionId::kRadio, english_));
    // The whole report keeps table order whatever the order asked.
    const ReportRows both = buildReport(source(english_), {ReportSectionId::kChannels, ReportSectionId::kRadio});
    EXPECT_EQ(both[0].texts[1], "Radio Information");
}

}  // namespace
