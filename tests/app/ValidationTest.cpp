#include "app/InvalidValueList.h"
#include "app/ReferenceChecks.h"
#include "model/CCodeplugData.h"
#include "settings/ModelValues.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::string captionOf(int id) { return "T" + std::to_string(id); }

class Validation : public ::testing::Test {
protected:
    void SetUp() override
    {
        ModelValues m;
        m.freqRange = "400-470";
        store.loadDefaults(m);
    }
    std::size_t run() { return validateAll(store, list, captionOf); }

    CCodeplugData store;
    InvalidValueList list;
};

}  // namespace

TEST_F(Validation, DefaultsAreValid) { EXPECT_EQ(run(), 0u); }

TEST_F(Validation, ChannelWhosePersonalityWasDeleted)
{
    store.addPersonality();
    store.channels[2].record.setU8(ChannelField::Personality, 1);
    store.resolveLinks();
    store.deletePersonality(1);
    ASSERT_EQ(run(), 1u);
    const InvalidEntry& e = list.entries()[0];
    EXPECT_EQ(e.key, store.channels[2].id + 65535 + 3703);
    EXPECT_EQ(e.controlId, 3703);
    EXPECT_EQ(e.label, "T3702");
    EXPECT_EQ(e.place, "T3655 - 3: T3657");
    EXPECT_EQ(run(), 1u);  // a second validation lists it once again, not twice
}

TEST_F(Validation, ChannelWhoseScanListWasDeleted)
{
    store.deleteScanList(0);
    ASSERT_EQ(run(), 16u);
    EXPECT_EQ(list.entries()[0].controlId, 3706);
    EXPECT_EQ(list.entries()[0].label, "T3705");
    // A channel without scan list is fine.
    for (ChannelItem& ch : store.channels) ch.scanListId = 0;
    EXPECT_EQ(run(), 0u);
}

TEST_F(Validation, ScanMemberPastTheChannelList)
{
    store.scanLists[0].record.setU16(ScanField::member(4), 40);
    store.scanLists[0].record.setU16(ScanField::member(15), 40);  // slot 16 is used: 16 entries
    store.resolveLinks();
    ASSERT_EQ(run(), 2u);
    EXPECT_EQ(list.entries()[0].key, store.scanLists[0].id + 65535 + 3873 + 4);
    EXPECT_EQ(list.entries()[0].controlId, 3877);
    EXPECT_EQ(list.entries()[0].label, "T3909");
    EXPECT_EQ(list.entries()[0].place, "T3801 - 1: T3803");
    // Slots past the number of entries are not checked.
    store.scanLists[0].record.setU8(ScanField::Entries, 4);
    EXPECT_EQ(run(), 0u);
}

TEST_F(Validation, TwoToneSystemNamingAMissingAlertTone)
{
    store.twoToneSystems[0].record.setBits(TwoToneSystemField::decodeAlert(2), 0, 4, 7);
    store.resolveLinks();
    ASSERT_EQ(run(), 1u);
    EXPECT_EQ(list.entries()[0].label, "T5476");
    EXPECT_EQ(list.entries()[0].place, "T5450 - 1");
    EXPECT_EQ(list.entries()[0].controlId, 5505);
    // Number 0 means no alert tone.
    store.twoToneSystems[0].record.setBits(TwoToneSystemField::decodeAlert(2), 0, 4, 0);
    store.resolveLinks();
    EXPECT_EQ(run(), 0u);
}

TEST_F(Validation, PersonalityWithTwoToneSignallingNeedsItsSystem)
{
    store.personalities[0].record.setU8(PersonalityField::RxSignal, 0x12);  // two-tone, system 1: missing
    store.personalities[0].record.setU8(PersonalityField::TxSignal, 0x01);  // another kind: not checked
    store.resolveLinks();
    ASSERT_EQ(run(), 1u);
    EXPECT_EQ(list.entries()[0].key, store.personalities[0].id + 65535 + 2402);
    store.addTwoToneSystem();
    store.resolveLinks();
    EXPECT_EQ(run(), 0u);
}

TEST(InvalidValueList, KeysAreListedOnceAndDisabledControlsNever)
{
    InvalidValueList list([](int control) { return control == 3706 ? 1 : 0; });
    int changes = 0;
    list.setOnChanged([&] { ++changes; });
    EXPECT_TRUE(list.add({10, 3703, "a", "b"}));
    EXPECT_FALSE(list.add({10, 3703, "again", "b"}));
    EXPECT_FALSE(list.add({11, 3706, "disabled", "b"}));
    EXPECT_TRUE(list.hasEntries());
    EXPECT_EQ(list.size(), 1u);
    EXPECT_FALSE(list.remove(99));
    EXPECT_TRUE(list.remove(10));
    EXPECT_FALSE(list.hasEntries());
    list.clear();
    EXPECT_EQ(changes, 2);
}
