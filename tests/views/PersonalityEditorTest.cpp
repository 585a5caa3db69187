// The personality editor on a real store: a new personality, the RXTX
// dependencies, the primary id and the signalling references.
#include "StoreFixture.h"

#include "model/PersonalityRecord.h"
#include "views/QAVPropertySheet.h"
#include "views/SheetFormView.h"
#include "views/ViewIds.h"

#include <QCheckBox>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

struct PersonalityEditor : StoreFixture {
    std::unique_ptr<CCustomFormView> view = open(ViewCommand::kPersonality);
    void tab(int i) { static_cast<CSheetFormView*>(view.get())->sheet()->setActivePage(i); }
    QComboBox* box(int id) { return findControlAs<QComboBox>(view.get(), id); }
    QLineEdit* primaryId() { return findControlAs<QLineEdit>(view.get(), 2561); }
    QCheckBox* check(int id) { return findControlAs<QCheckBox>(view.get(), id); }
    Record& personality(int i = 0) { return store.personalities[static_cast<std::size_t>(i)].record; }
    void chooseValue(int id, int value) { choose(box(id), box(id)->findData(value)); }
    void typeId(const QString& text)
    {
        primaryId()->setText(text);
        leave(primaryId());
    }
};

TEST(PersonalityEditor, ANewPersonalityShowsItsDefaults)
{
    PersonalityEditor f;
    f.view->navigate(NavAction::kNew);
    ASSERT_EQ(f.store.personalities.size(), 2u);
    for (int i = 0; i < 4; ++i) f.tab(i);
    EXPECT_EQ(f.box(2321)->currentData().toInt(), 1);   // transmission allowed
    EXPECT_EQ(f.box(2325)->currentData().toInt(), 60);
    EXPECT_EQ(f.box(2327)->currentData().toInt(), 10);
    EXPECT_EQ(f.box(2351)->currentData().toInt(), 1);
    EXPECT_EQ(f.primaryId()->text(), QStringLiteral("0001"));
    EXPECT_FALSE(f.check(2570)->isChecked());  // side tone off
    EXPECT_TRUE(f.check(2571)->isChecked());   // short beep on
    EXPECT_FALSE(f.box(2404)->isEnabled());    // no receive signalling
}

TEST(PersonalityEditor, TheTimeOutDecidesWhatItsSettingsOffer)
{
    PersonalityEditor f;
    f.chooseValue(2325, 0);
    for (int id : {2327, 2329, 2331}) EXPECT_FALSE(f.box(id)->isEnabled()) << id;
    // The time-out list steps by 5 s: 5 s leave five pre-alert choices.
    f.chooseValue(2325, 15);
    EXPECT_EQ(f.box(2327)->count(), 15);
    f.chooseValue(2325, 5);
    EXPECT_TRUE(f.box(2327)->isEnabled());
    EXPECT_EQ(f.box(2327)->count(), 5);
    // No transmission: no time-out setting applies.
    f.chooseValue(2321, 0);
    for (int id : {2325, 2327, 2329, 2331}) EXPECT_FALSE(f.box(id)->isEnabled()) << id;
    f.chooseValue(2321, 1);
    EXPECT_TRUE(f.box(2325)->isEnabled());
    EXPECT_EQ(f.personality().u8(PersonalityField::TimeoutTime), 5);
}

TEST(PersonalityEditor, ThePrimaryIdIsStoredAsItIsShown)
{
    PersonalityEditor f;
    f.tab(2);
    struct Case {
        const char* typed;
        const char* shown;
        std::uint16_t stored;
    } cases[] = {{"E123", "D123", 0xD123}, {"", "0001", 0x0001}, {"1f", "001E", 0x001E}, {"abc", "0ABC", 0x0ABC}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        f.typeId(c.typed);
        EXPECT_EQ(f.primaryId()->text(), QString(c.shown));
        EXPECT_EQ(f.personality().u16(PersonalityField::PttIdPrimary), c.stored);
    }
    // A stored value the radio would not take is shown limited.
    f.personality().setU16(PersonalityField::PttIdPrimary, 0xE123);
    f.view->load();
    EXPECT_EQ(f.primaryId()->text(), QStringLiteral("DEEE"));
}

TEST(PersonalityEditor, ADeletedTwoToneSystemIsListedUntilTheChoiceIsValid)
{
    PersonalityEditor f;
    f.tab(3);
    f.chooseValue(2402, 2);
    EXPECT_TRUE(f.box(2404)->isEnabled());
    choose(f.box(2404), 0);
    const int id = f.store.personalities[0].id;
    EXPECT_EQ(f.store.personalities[0].rxSystemId, f.store.twoToneSystems[0].id);
    f.store.deleteTwoToneSystem(0);
    f.announceDeleted(Section::TwoToneSystems);
    EXPECT_TRUE(f.invalid.contains(id + 65535 + 2402));
    // No signalling on receive refers to nothing.
    f.chooseValue(2402, 0);
    EXPECT_FALSE(f.box(2404)->isEnabled());
    EXPECT_FALSE(f.invalid.contains(id + 65535 + 2402));
}

TEST(PersonalityEditor, EightPersonalitiesAtMostAndNeverNone)
{
    PersonalityEditor f;
    for (int i = 0; i < 10; ++i) f.view->navigate(NavAction::kNew);
    EXPECT_EQ(f.store.personalities.size(), 8u);
    for (int i = 0; i < 10; ++i) f.view->navigate(NavAction::kDelete);
    EXPECT_EQ(f.store.personalities.size(), 1u);
}

}  // namespace
