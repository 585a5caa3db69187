// The scan list editor on a real store: dependent enabling, the member
// boxes and the references to deleted channels.
#include "StoreFixture.h"

#include "model/ScanRecord.h"
#include "views/QAVPropertySheet.h"
#include "views/ScanPages.h"
#include "views/SheetFormView.h"
#include "views/ViewIds.h"

#include <QCheckBox>
#include <gtest/gtest.h>

namespace {

struct ScanEditor : StoreFixture {
    std::unique_ptr<CCustomFormView> view = open(ViewCommand::kScan);
    ScanEditor() { static_cast<CSheetFormView*>(view.get())->sheet()->setActivePage(1); }
    QComboBox* box(int id) { return findControlAs<QComboBox>(view.get(), id); }
    Record& scan() { return store.scanLists[0].record; }
    // Chooses the item whose value is `value`.
    void chooseValue(int id, int value) { choose(box(id), box(id)->findData(value)); }
};

TEST(ScanEditor, ANewScanListUsesTheFirstSixteenChannels)
{
    ScanEditor f;
    EXPECT_EQ(f.box(3943)->currentText(), QStringLiteral("16"));
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(f.box(3873 + k)->currentText(), QString::number(k + 1)) << k;
        EXPECT_TRUE(f.box(3873 + k)->isEnabled());
    }
    EXPECT_EQ(f.box(3850)->currentText(), QStringLiteral("1"));
    EXPECT_EQ(f.box(3836)->currentText(), QStringLiteral("1"));
}

TEST(ScanEditor, TheNumberOfEntriesEnablesExactlyThoseMemberBoxes)
{
    ScanEditor f;
    for (int used : {4, 1, 16}) {
        SCOPED_TRACE(used);
        f.box(3943)->setCurrentIndex(f.box(3943)->findText(QString::number(used)));
        for (int k = 0; k < 16; ++k) EXPECT_EQ(f.box(3873 + k)->isEnabled(), k < used) << k;
    }
    f.chooseValue(3943, 4);
    EXPECT_EQ(f.scan().u8(ScanField::Entries), 4);
}

TEST(ScanEditor, PriorityAndTransmitModesEnableWhatTheyUse)
{
    ScanEditor f;
    static_cast<CSheetFormView*>(f.view.get())->sheet()->setActivePage(0);
    struct Case {
        int priority;
        bool channel, other;
    } cases[] = {{0, false, false}, {1, true, true}, {2, false, true}, {3, false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.priority);
        f.chooseValue(3834, c.priority);
        EXPECT_EQ(f.box(3836)->isEnabled(), c.channel);
        EXPECT_EQ(findControlAs<QCheckBox>(f.view.get(), 3837)->isEnabled(), c.other);
        EXPECT_EQ(f.box(3844)->isEnabled(), c.other);
        EXPECT_EQ(f.scan().bits(ScanField::Priority, 0, 2), static_cast<unsigned>(c.priority));
    }
    for (int mode : {0, 1, 2, 3}) {
        f.chooseValue(3846, mode);
        EXPECT_EQ(f.box(3850)->isEnabled(), mode == 1) << mode;
    }
}

TEST(ScanEditor, ADeletedMemberIsListedUntilAChannelIsChosen)
{
    ScanEditor f;
    // Channel 5 (member 5) goes; the store keeps the scan list's number.
    f.store.deleteChannel(4);
    f.announceDeleted(Section::Channels, f.view.get());
    const int id = f.store.scanLists[0].id;
    const int key = id + 65535 + 3877;
    EXPECT_TRUE(f.invalid.contains(key));
    EXPECT_EQ(f.box(3877)->currentIndex(), -1);
    // Saving another member leaves the stored number alone.
    choose(f.box(3873), 2);
    EXPECT_EQ(f.scan().u16(ScanField::member(4)), 5);
    EXPECT_EQ(f.scan().u16(ScanField::member(0)), 3);
    EXPECT_TRUE(f.invalid.contains(key));
    choose(f.box(3877), 4);
    EXPECT_FALSE(f.invalid.contains(key));
    EXPECT_EQ(f.store.scanLists[0].memberIds[4], f.store.channels[4].id);
}

TEST(ScanEditor, TheOnlyScanListIsNeitherAddedToNorDeleted)
{
    ScanEditor f;
    f.view->navigate(NavAction::kNew);
    f.view->navigate(NavAction::kDelete);
    EXPECT_EQ(f.store.scanLists.size(), 1u);
    EXPECT_EQ(f.view->currentIndex(), 0);
}

}  // namespace
