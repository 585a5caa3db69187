// The field schemas: the lookup editors bind to, the byte order the memory
// map takes from them, and the factory values they carry.
#include <gtest/gtest.h>

#include <vector>

#include "model/MemoryMap.h"
#include "model/SectionFields.h"

namespace {

struct SwapCase {
    Section section;
    int piece;
    std::vector<Swap> expected;
};

std::vector<Swap> every(Offset from, int count, std::size_t step, std::uint8_t width)
{
    std::vector<Swap> out;
    for (int k = 0; k < count; ++k) out.push_back({from + static_cast<Offset>(k) * step, width});
    return out;
}

std::vector<Swap> testFreqSwaps()
{
    std::vector<Swap> out;
    for (int k = 0; k < 16; ++k) {
        out.push_back({static_cast<Offset>(10 * k), 4});
        out.push_back({static_cast<Offset>(10 * k + 4), 4});
    }
    for (Offset at = 160; at < 200; at += 4) out.push_back({at, 4});
    return out;
}

// The words the image keeps high byte first, piece by piece, as the radio
// lays them out.
TEST(SectionFields, SwapListsOfTheMemoryMap)
{
    std::vector<Swap> scan{{9, 2}, {11, 2}, {14, 2}};
    for (const Swap& s : every(24, 16, 2, 2)) scan.push_back(s);
    const SwapCase cases[] = {
        {Section::Channels, 0, {{4, 4}, {8, 4}, {12, 2}, {14, 2}}},
        {Section::Personalities, 0, {{21, 2}}},
        {Section::ScanList, 0, scan},
        {Section::TwoToneSystems, 0, every(16, 4, 2, 2)},
        {Section::Misc, 0, {{23, 2}}},
        {Section::Misc, 1, {}},
        {Section::FactoryBlock, 0, {{11, 4}, {15, 4}, {20, 2}}},
        {Section::FactoryBlock, 1, {{47, 2}}},
        {Section::PttId, 0, {{0, 2}}},
        {Section::TestFreq, 0, testFreqSwaps()},
        {Section::RadioInfo, 0, {}},
        {Section::TwoToneCalls, 0, {}},
        {Section::TuneData, 0, {}},
    };
    for (const SwapCase& c : cases) {
        const MapEntry& e = mapEntry(c.section, c.piece);
        SCOPED_TRACE(e.name);
        ASSERT_EQ(e.swaps.size(), c.expected.size());
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_EQ(e.swaps[i].at, c.expected[i].at) << i;
            EXPECT_EQ(e.swaps[i].width, c.expected[i].width) << i;
        }
    }
}

struct LookupCase {
    Section section;
    const char* name;
    int row;  // -1: look up by full name
    const char* fullName;
    FieldKind kind;
    Offset offset;
    unsigned bitLo, bitCount;
    int listId;
};

TEST(SectionFields, FieldsFoundBySectionAndName)
{
    const LookupCase cases[] = {
        {Section::Channels, "spacing", -1, "spacing", FieldKind::Bits, 17, 0, 4, 3661},
        {Section::Channels, "rx_frequency", -1, "rx_frequency", FieldKind::BcdFreq, 4, 0, 0, 0},
        {Section::Channels, "tx_tone", -1, "tx_tone", FieldKind::ToneWord, 14, 0, 0, 3677},
        {Section::ScanList, "member_%", 0, "member_1", FieldKind::U16, 24, 0, 0, 0},
        {Section::ScanList, "member_%", 15, "member_16", FieldKind::U16, 54, 0, 0, 0},
        {Section::ScanList, "member_9", -1, "member_9", FieldKind::U16, 40, 0, 0, 0},
        {Section::TestFreq, "test_%_tx_step", 15, "test_15_tx_step", FieldKind::U8, 159, 0, 0, 0},
        {Section::TestFreq, "point_%_tx_step", 4, "point_4_tx_step", FieldKind::Bits, 204, 4, 4, 0},
        {Section::TwoToneSystems, "decode_%_call_type", 3, "decode_4_call_type", FieldKind::Bits, 12, 4, 4, 5502},
        {Section::AlertTones, "tone_%_duration", 7, "tone_8_duration", FieldKind::U8, 17, 0, 0, 0},
        {Section::EmbeddedMessage, "message_%", 3, "message_4", FieldKind::Text, 112, 0, 0, 0},
        {Section::Misc, "vox_delay_time", -1, "vox_delay_time", FieldKind::U8, 6, 0, 0, 1408},
    };
    for (const LookupCase& c : cases) {
        SCOPED_TRACE(c.fullName);
        const FieldDesc* f = c.row < 0 ? findField(c.section, c.name) : findField(c.section, c.name, c.row);
        ASSERT_NE(f, nullptr);
        EXPECT_STREQ(f->name, c.fullName);
        EXPECT_EQ(f->kind, c.kind);
        EXPECT_EQ(f->offset, c.offset);
        EXPECT_EQ(f->bitLo, c.bitLo);
        EXPECT_EQ(f->bitCount, c.bitCount);
        EXPECT_EQ(f->listId, c.listId);
        if (c.row >= 0) {
            EXPECT_EQ(f->index, c.row);
        }
    }
    EXPECT_EQ(findField(Section::Channels, "nothing"), nullptr);
    EXPECT_EQ(findField(Section::ScanList, "member_%", 16), nullptr);
    EXPECT_EQ(findField(Section::ScanList, "member_%"), nullptr);  // a pattern is not a field
}

TEST(SectionFields, SectionsInEnumerationOrderWithUniqueNames)
{
    int i = 0;
    for (const SectionInfo& s : sectionInfos()) {
        EXPECT_EQ(static_cast<int>(s.section), i++);
        EXPECT_EQ(findSection(s.name), &s);
        EXPECT_FALSE(s.fields().empty()) << s.name;
    }
}

// A factory mask sets only its bits; the record's other bits stay.
TEST(SectionFields, FactoryValuesKeepUnmaskedBits)
{
    const FieldDesc fields[] = {
        fU8("a", 0).factory(0x01, 0x03),
        fBits("b", 1, 4, 4).factory(0x5),
        fBytes("c", 2, 2).factory(0x99),
        fU16("d", 4).factory(0x1234),
        fU8("e", 6),
    };
    Record r(7, 0xFF);
    applyFactoryValues(r, fields);
    const std::vector<std::uint8_t> expected{0xFD, 0x5F, 0x99, 0x99, 0x34, 0x12, 0xFF};
    EXPECT_EQ(std::vector<std::uint8_t>(r.span().begin(), r.span().end()), expected);
}

}  // namespace
