#include "model/CCodeplugData.h"
#include "model/MemoryMap.h"
#include "settings/ModelValues.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

ModelValues vhf()
{
    ModelValues m;
    m.modelName = "QAV-100";
    m.freqRange = "136-174";
    m.bandFlags = 0x81;
    m.signal = 2;
    return m;
}

constexpr ProgrammingStamp kStamp{5, 4, 3, 2, 1, 26, 20, 0};

std::unique_ptr<CCodeplugData> defaultsStore()
{
    auto s = std::make_unique<CCodeplugData>();
    s->setStampSource([] { return kStamp; });
    s->loadDefaults(vhf());
    return s;
}

std::uint16_t le16(const CCodeplugData& s, std::size_t at) { return static_cast<std::uint16_t>(s.image()[at] | s.image()[at + 1] << 8); }

}  // namespace

TEST(Unpack, AllOnesImageGivesOneRecordPerList)
{
    CCodeplugData s;
    s.unpack();
    EXPECT_EQ(s.channels.size(), 1u);
    EXPECT_EQ(s.personalities.size(), 1u);
    EXPECT_EQ(s.scanLists.size(), 1u);
    EXPECT_EQ(s.alertTones.size(), 1u);
    EXPECT_EQ(s.twoToneSystems.size(), 1u);
    EXPECT_EQ(s.twoToneCalls.size(), 1u);
    for (std::uint8_t b : s.channels[0].record.span()) EXPECT_EQ(b, 0xFF);
    for (std::uint8_t b : s.twoToneCalls[0].record.span()) EXPECT_EQ(b, 0xFF);
    // Every link number is out of range, so nothing links.
    EXPECT_EQ(s.channels[0].personalityId, 0);
    EXPECT_EQ(s.channels[0].scanListId, 0);
    EXPECT_EQ(s.twoToneCalls[0].systemId, 0);
}

TEST(Unpack, FullListsAreReadWholeAndTheNextSlotIsNotConsulted)
{
    struct Case { Section section; std::size_t stride; int marker; std::size_t expected; };
    const Case cases[] = {
        {Section::AlertTones, 18, 3, 8},
        {Section::Personalities, 76, 12, 8},
        {Section::TwoToneSystems, 24, 0, 4},
        {Section::Channels, 24, 19, 17},
    };
    for (const Case& c : cases) {
        CCodeplugData s;
        const MapEntry& e = mapEntry(c.section);
        // Fill one slot more than the list holds with a valid marker.
        for (std::size_t k = 0; k <= c.expected; ++k) s.image()[e.image + k * c.stride + static_cast<std::size_t>(c.marker)] = 1;
        s.unpack();
        std::size_t got = 0;
        switch (c.section) {
        case Section::AlertTones: got = s.alertTones.size(); break;
        case Section::Personalities: got = s.personalities.size(); break;
        case Section::TwoToneSystems: got = s.twoToneSystems.size(); break;
        default: got = s.channels.size(); break;
        }
        EXPECT_EQ(got, c.expected) << e.name;
    }
}

TEST(Unpack, SeventeenthChannelIsReadAndKeptThroughPack)
{
    auto s = defaultsStore();
    s->pack();
    // A seventeenth record written by another tool at 1029.
    const std::size_t at = 645 + 16 * 24;
    ASSERT_EQ(at, 1029u);
    for (std::size_t i = 0; i < 24; ++i) s->image()[at + i] = static_cast<std::uint8_t>(i);
    s->unpack();
    ASSERT_EQ(s->channels.size(), 17u);
    EXPECT_EQ(s->channels[16].record.u8(19), 19);
    s->pack();
    EXPECT_EQ(s->image()[at + 19], 19);
    EXPECT_EQ(s->image()[at + 24 + 19], 0xFF);  // the 18th slot stays the end marker
    // The store never grows the list beyond what the image reads back.
    EXPECT_EQ(s->addChannel(vhf()), nullptr);
}

TEST(Pack, NoChannelIsWrittenIntoThePersonalityArea)
{
    auto s = defaultsStore();
    while (s->addChannel(vhf())) {
    }
    EXPECT_EQ(s->channels.size(), CCodeplugData::kMaxChannels);
    s->deletePersonality(0);  // empty personality area: anything there came from channels
    s->pack();
    for (std::size_t at = 645 + 17 * 24; at < 3021 + 76; ++at) EXPECT_EQ(s->image()[at], 0xFF) << at;
}

TEST(Pack, PersonalityAndCallLinkOffsets)
{
    auto s = defaultsStore();
    s->addPersonality();
    s->addPersonality();
    s->addTwoToneCall();
    s->pack();
    const std::uint16_t expected[3][2] = {{3173, 3097}, {3021, 3173}, {3097, 3021}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(s->personalities[i].record.u16le(0), expected[i][0]) << i;
        EXPECT_EQ(s->personalities[i].record.u16le(2), expected[i][1]) << i;
        EXPECT_EQ(le16(*s, 3021 + 76 * i), expected[i][0]);
        EXPECT_EQ(le16(*s, 3021 + 76 * i + 2), expected[i][1]);
    }
    EXPECT_EQ(le16(*s, 3725), 3725);
    EXPECT_EQ(le16(*s, 3727), 3725);
}

TEST(Pack, PttIdTypeAboveThreeIsRewrittenInTheImageOnly)
{
    auto s = defaultsStore();
    s->personalities[0].record.setU8(23, 7);
    s->personalities[0].record.setU8(24, 0xF2);
    s->personalities[0].record.setU16(21, 0x1234);
    s->pack();
    const std::uint8_t expected[6] = {0x00, 0x01, 0x00, 0xF1, 0x19, 0x05};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(s->image()[3021 + 21 + i], expected[i]) << i;
        EXPECT_EQ(s->image()[254 + i], expected[i]) << i;
    }
    EXPECT_EQ(s->personalities[0].record.u8(23), 7);
    EXPECT_EQ(s->personalities[0].record.u16(21), 0x1234);
}

TEST(Pack, PttIdOfTheFirstPersonalityReplacesThePttIdSection)
{
    auto s = defaultsStore();
    s->personalities[0].record.setU16(21, 0xABCD);
    s->pttId.setU16(0, 0x1111);
    s->pack();
    EXPECT_EQ(s->image()[254], 0xAB);
    EXPECT_EQ(s->image()[255], 0xCD);
}

TEST(Pack, TransmitAdmitOutOfRangeIsWrittenAsOne)
{
    struct Case { std::uint8_t stored, packed; };
    for (const Case c : {Case{0, 0}, Case{1, 1}, Case{2, 2}, Case{3, 1}, Case{4, 4}, Case{5, 1}, Case{0xFE, 1}}) {
        auto s = defaultsStore();
        s->personalities[0].record.setU8(12, c.stored);
        s->pack();
        EXPECT_EQ(s->image()[3021 + 12], c.packed) << int(c.stored);
        EXPECT_EQ(s->personalities[0].record.u8(12), c.stored);
    }
}

TEST(Pack, TwoToneSystemCountBits)
{
    for (std::size_t n = 1; n <= 4; ++n) {
        auto s = defaultsStore();
        while (s->twoToneSystems.size() < n) s->addTwoToneSystem();
        s->pack();
        for (std::size_t i = 0; i < n; ++i) {
            EXPECT_EQ(s->image()[3629 + 24 * i + 5] >> 6, static_cast<int>(n - 1)) << n;
            EXPECT_EQ(s->twoToneSystems[i].record.bits(5, 6, 2), n - 1);
        }
    }
}

TEST(Pack, InvalidTwoToneSystemGetsFactoryTimingInTheImageOnly)
{
    auto s = defaultsStore();
    Record& r = s->twoToneSystems[0].record;
    r.setU8(1, 41);      // first tone duration beyond 40
    r.setU8(14, 0x00);   // bit 2 of byte 14 is kept from the record
    r.setU16(16, 1000);
    s->pack();
    EXPECT_EQ(s->image()[3629 + 1], 10);
    EXPECT_EQ(s->image()[3629 + 14], 0x7B);
    EXPECT_EQ(s->image()[3629 + 16], 3217 >> 8);
    EXPECT_EQ(s->image()[3629 + 17], 3217 & 0xFF);
    EXPECT_EQ(r.u8(1), 41);
    EXPECT_EQ(r.u16(16), 1000);
}

TEST(Pack, UnmappedBytesAreOnesWhateverTheImageHeld)
{
    auto s = defaultsStore();
    s->image().fill(0x00);
    s->pack();
    std::size_t checked = 0;
    for (std::size_t at = 0; at < Image::kSize; ++at) {
        if (isMapped(at)) continue;
        ++checked;
        EXPECT_EQ(s->image()[at], 0xFF) << at;
    }
    // 0-15, 88-119, 413-620, the channel area after 17 slots, 3917-4506, ...
    EXPECT_GT(checked, 5000u);
    for (std::size_t at : {0u, 15u, 88u, 119u, 413u, 620u, 1053u, 3020u, 3917u, 4506u, 4563u, 5304u, 6199u, 8191u})
        EXPECT_FALSE(isMapped(at)) << at;
}

TEST(FactoryBlock, SharesImage222To253WithMiscellaneous)
{
    auto s = defaultsStore();
    s->misc.setU16(47, 0x1234);     // record host order
    s->misc.setU8(44, 0x5A);
    s->factoryBlock.setShared(9, 77);  // misc byte 50
    s->pack();
    EXPECT_EQ(s->image()[228], 0x12);  // the word at 228 is high byte first
    EXPECT_EQ(s->image()[229], 0x34);
    EXPECT_EQ(s->image()[225], 0x5A);
    EXPECT_EQ(s->image()[231], 77);
    EXPECT_EQ(s->misc.u8(50), 77);
    // Own bytes: BCD words high byte first.
    const std::uint8_t pll[4] = {0x01, 0x28, 0x00, 0x00};
    const std::uint8_t mid[4] = {0x03, 0x88, 0x50, 0x00};
    EXPECT_EQ(std::memcmp(&s->image()[192], pll, 4), 0);
    EXPECT_EQ(std::memcmp(&s->image()[196], mid, 4), 0);
    EXPECT_EQ(s->image()[201], 0);
    EXPECT_EQ(s->image()[202], 16);

    CCodeplugData back;
    back.image() = s->image();
    back.unpack();
    EXPECT_EQ(back.misc.u16(47), 0x1234);
    EXPECT_EQ(back.factoryBlock.shared(6), 0x34);  // shared byte 6 = misc byte 47, host order
    EXPECT_EQ(back.factoryBlock.own.u32(11), 0x01280000u);
    EXPECT_EQ(back.factoryBlock.own.u16(20), 16);
    EXPECT_EQ(back.factoryBlock.misc, &back.misc);
    EXPECT_EQ(back.factoryBlock.radioInfo, &back.radioInfo);
}

TEST(RoundTrip, DefaultsPackUnpackPackDiffersOnlyInCallLinks)
{
    auto s = defaultsStore();
    s->pack();
    const CCodeplugData::Image first = s->image();
    s->unpack();
    s->pack();
    const CCodeplugData::Image second = s->image();
    for (std::size_t at = 0; at < Image::kSize; ++at) {
        if (at >= 3725 && at <= 3728) continue;
        EXPECT_EQ(first[at], second[at]) << at;
    }
    // The empty call list came back as one call whose links pack now writes.
    EXPECT_EQ(le16(*s, 3725), 3725);
    EXPECT_EQ(le16(*s, 3727), 3725);
    EXPECT_EQ(first[3725], 0xFF);
    s->unpack();
    s->pack();
    EXPECT_EQ(s->image(), second);
}

TEST(RoundTrip, SectionsSurviveAPackAndUnpack)
{
    auto s = defaultsStore();
    s->pack();
    CCodeplugData back;
    back.image() = s->image();
    back.unpack();
    ASSERT_EQ(back.channels.size(), 16u);
    for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(back.channels[i].record, s->channels[i].record) << i;
    EXPECT_EQ(back.scanLists[0].record, s->scanLists[0].record);
    EXPECT_EQ(back.alertTones.size(), 5u);
    EXPECT_EQ(back.testFreq, s->testFreq);
    EXPECT_EQ(back.radioInfo, s->radioInfo);
    EXPECT_EQ(back.misc, s->misc);
    EXPECT_EQ(back.tuneData, s->tuneData);
    EXPECT_EQ(back.factoryBlock.own, s->factoryBlock.own);
    // Big-endian words in the image: channel 0 receive frequency 136.32500 MHz.
    EXPECT_EQ(s->image()[649], 0x13);
    EXPECT_EQ(s->image()[650], 0x63);
    EXPECT_EQ(s->image()[651], 0x25);
    EXPECT_EQ(s->image()[652], 0x00);
}

TEST(TwoToneCalls, WalkEndsOnALoopingChain)
{
    CCodeplugData s;
    // Slot 0 -> slot 1 -> slot 2 -> slot 1 -> ... never returns to 3725.
    auto link = [&](std::size_t slot, std::uint16_t next) {
        const std::size_t at = 3725 + 12 * slot;
        s.image()[at + 2] = static_cast<std::uint8_t>(next);
        s.image()[at + 3] = static_cast<std::uint8_t>(next >> 8);
    };
    link(0, 3737);
    link(1, 3749);
    link(2, 3737);
    s.unpack();
    EXPECT_EQ(s.twoToneCalls.size(), 16u);
}

TEST(TwoToneCalls, WalkFollowsLinksAndStopsAtTheStart)
{
    CCodeplugData s;
    auto link = [&](std::size_t slot, std::uint16_t next, std::uint8_t tag) {
        const std::size_t at = 3725 + 12 * slot;
        s.image()[at + 2] = static_cast<std::uint8_t>(next);
        s.image()[at + 3] = static_cast<std::uint8_t>(next >> 8);
        s.image()[at + 11] = tag;
    };
    link(0, 3749, 10);  // slot 0 -> slot 2 -> slot 1 -> back to the start
    link(2, 3737, 12);
    link(1, 3725, 11);
    s.unpack();
    ASSERT_EQ(s.twoToneCalls.size(), 3u);
    EXPECT_EQ(s.twoToneCalls[0].record.u8(11), 10);
    EXPECT_EQ(s.twoToneCalls[1].record.u8(11), 12);
    EXPECT_EQ(s.twoToneCalls[2].record.u8(11), 11);
}

TEST(Links, OutOfRangeNumbersGiveNoLink)
{
    auto s = defaultsStore();
    s->channels[0].record.setU8(18, 1);  // only one personality
    s->channels[1].record.setU8(19, 2);  // only one scan list
    s->channels[2].record.setU8(19, 0);
    s->scanLists[0].record.setU16(ScanField::member(0), 17);
    s->scanLists[0].record.setU16(ScanField::member(1), 0);
    s->personalities[0].record.setU8(4, 0x02);  // two-tone, system 0
    s->personalities[0].record.setU8(5, 0x12);  // two-tone, system 1 (missing)
    s->twoToneSystems[0].record.setBits(7, 0, 4, 5);
    s->twoToneSystems[0].record.setBits(9, 0, 4, 6);  // only five alert tones
    s->resolveLinks();
    EXPECT_EQ(s->channels[0].personalityId, 0);
    EXPECT_EQ(s->channels[1].scanListId, 0);
    EXPECT_EQ(s->channels[2].scanListId, 0);
    EXPECT_EQ(s->channels[3].personalityId, s->personalities[0].id);
    EXPECT_EQ(s->channels[3].scanListId, s->scanLists[0].id);
    EXPECT_EQ(s->scanLists[0].memberIds[0], 0);
    EXPECT_EQ(s->scanLists[0].memberIds[1], 0);
    EXPECT_EQ(s->scanLists[0].memberIds[2], s->channels[2].id);
    EXPECT_EQ(s->personalities[0].rxSystemId, s->twoToneSystems[0].id);
    EXPECT_EQ(s->personalities[0].txSystemId, 0);
    EXPECT_EQ(s->twoToneSystems[0].alertToneIds[0], s->alertTones[4].id);
    EXPECT_EQ(s->twoToneSystems[0].alertToneIds[1], 0);
}

TEST(Store, ResetBandSectionsRebuildsChannelsScanTestAndRadioInfo)
{
    auto s = defaultsStore();
    s->addPersonality();
    s->deleteChannel(3);
    s->keys.setU8(1, 9);
    ModelValues uhf = vhf();
    uhf.freqRange = "400-470";
    uhf.bandFlags = 0x02;
    s->resetBandSections(uhf);
    EXPECT_EQ(s->channels.size(), 16u);
    EXPECT_EQ(s->scanLists.size(), 1u);
    EXPECT_EQ(s->personalities.size(), 2u);  // untouched
    EXPECT_EQ(s->keys.u8(1), 9);             // untouched
    EXPECT_EQ(s->channels[0].record.u32(4), 0x40032500u);
    EXPECT_EQ(s->radioInfo.u32(24), 0x40000000u);
    EXPECT_EQ(s->radioInfo.u8(12), 0x02);
    EXPECT_EQ(s->testFreq.u32(4), 0x40000000u);
    EXPECT_EQ(s->channels[5].scanListId, s->scanLists[0].id);
}

TEST(Store, IdsAreUniqueAndDeletionLeavesNoDanglingLink)
{
    auto s = defaultsStore();
    const int scanId = s->scanLists[0].id;
    EXPECT_NE(s->channels[0].id, scanId);
    s->deleteScanList(0);
    EXPECT_EQ(s->scanLists.findById(s->channels[0].scanListId), nullptr);
    EXPECT_EQ(s->channels[0].scanListId, scanId);  // kept, so validation can report it
    ScanItem* again = s->addScanList();
    ASSERT_NE(again, nullptr);
    EXPECT_NE(again->id, scanId);
    EXPECT_EQ(s->addScanList(), nullptr);  // the image holds one scan list
}

TEST(Store, GlobalAccessorReturnsOneStore)
{
    EXPECT_EQ(&codeplugData(), &codeplugData());
}

// Images come from radios and files: any bytes must unpack and pack without
// harm, and the packed image must read back to the same sections.
TEST(Unpack, AnyImageUnpacksAndPacksStably)
{
    std::uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    for (int round = 0; round < 40; ++round) {
        CCodeplugData s;
        for (auto& b : s.image()) b = static_cast<std::uint8_t>(next() >> 16);
        if (round % 4 == 0) s.image().fill(static_cast<std::uint8_t>(round));
        s.unpack();
        EXPECT_LE(s.channels.size(), 17u);
        EXPECT_LE(s.twoToneCalls.size(), 16u);
        s.pack();
        const CCodeplugData::Image once = s.image();
        s.unpack();
        s.pack();
        s.unpack();
        s.pack();
        EXPECT_EQ(s.image(), once) << "round " << round;
    }
}
