// The single-channel editor on a real store: its two tabs, their rules and
// the references that feed the invalid-value list.
#include "StoreFixture.h"

#include "controls/FreqEdit.h"
#include "model/ChannelRecord.h"
#include "views/QAVPropertySheet.h"
#include "views/SheetFormView.h"
#include "views/ViewIds.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct ChannelEditor : StoreFixture {
    std::unique_ptr<CCustomFormView> view = open(ViewCommand::kChannel);
    CSheetFormView* sheetView() { return static_cast<CSheetFormView*>(view.get()); }
    Record& channel(int i) { return store.channels[static_cast<std::size_t>(i)].record; }
    template <class W>
    W* control(int id) { return findControlAs<W>(view.get(), id); }
    void showMiscTab() { sheetView()->sheet()->setActivePage(1); }
};

TEST(ChannelEditor, ClearingTheReceiveFrequencyLeavesNoTransmitFrequency)
{
    ChannelEditor f;
    auto* rx = f.control<CFreqEdit>(3666);
    auto* tx = f.control<CFreqEdit>(3675);
    EXPECT_EQ(rx->text(), QStringLiteral("400.32500"));
    EXPECT_TRUE(tx->isEnabled());
    rx->clear();
    leave(rx);
    EXPECT_TRUE(tx->text().isEmpty());
    EXPECT_FALSE(tx->isEnabled());
    const Record& r = f.channel(0);
    EXPECT_EQ(r.u32(ChannelField::RxFreq), 0xFFFFFFFFu);
    EXPECT_EQ(r.u32(ChannelField::TxFreq), 0xFFFFFFFFu);
    EXPECT_EQ(r.u8(ChannelField::Steps), 0xFF);
    // A frequency again enables the transmit side.
    rx->setText("401.5");
    leave(rx);
    EXPECT_TRUE(tx->isEnabled());
}

TEST(ChannelEditor, OnlyTheToneBoxOfTheChosenTypeIsEditable)
{
    ChannelEditor f;
    struct Case {
        int type;
        bool ctcss, cdcss;
    } cases[] = {{0, false, false}, {1, true, false}, {2, false, true}, {3, false, true}};
    const std::uint16_t before = f.channel(0).u16(ChannelField::RxTone);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        choose(f.control<QComboBox>(3668), c.type);
        EXPECT_EQ(f.control<QComboBox>(3670)->isEnabled(), c.ctcss);
        EXPECT_EQ(f.control<QComboBox>(3672)->isEnabled(), c.cdcss);
        const std::uint16_t word = f.channel(0).u16(ChannelField::RxTone);
        EXPECT_EQ(word >> 14, c.type);
        // Type "none" keeps the value bits the word held.
        if (c.type == 0) {
            EXPECT_EQ(word & 0x3FFF, before & 0x3FFF);
        }
    }
}

TEST(ChannelEditor, CopyReceiveToTransmitCopiesFrequencyAndToneExactly)
{
    ChannelEditor f;
    auto* rx = f.control<CFreqEdit>(3666);
    rx->setText("433.12");
    leave(rx);
    auto* ctcss = f.control<QComboBox>(3670);
    ctcss->setEditText("67.1");  // not a standard tone: the word carries the non-standard bit
    leave(ctcss->lineEdit());
    const std::uint16_t tone = f.channel(0).u16(ChannelField::RxTone);
    ASSERT_TRUE(tone & 0x2000);
    f.control<QPushButton>(3682)->click();
    const Record& r = f.channel(0);
    EXPECT_EQ(r.u32(ChannelField::TxFreq), 0x43312000u);
    EXPECT_EQ(r.u16(ChannelField::TxTone), tone);
    EXPECT_EQ(r.u8(ChannelField::Steps) >> 4, 7);  // 10 kHz, derived from the copied frequency
    EXPECT_EQ(f.control<CFreqEdit>(3675)->text(), QStringLiteral("433.12000"));
    EXPECT_EQ(f.control<QComboBox>(3679)->currentText(), QStringLiteral("67.1"));
}

TEST(ChannelEditor, OutOfBandFrequencyIsClampedAndSaysSo)
{
    ChannelEditor f;
    QList<int> messages;
    QObject::connect(f.view.get(), &CCustomFormView::pageMessage, [&](int id) { messages << id; });
    auto* rx = f.control<CFreqEdit>(3666);
    rx->setText("380");
    leave(rx);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.channel(0).u32(ChannelField::RxFreq), 0x40000000u);
    EXPECT_EQ(messages, QList<int>{1164});
}

TEST(ChannelEditor, DeletedReferencesAreListedUntilAValidChoice)
{
    ChannelEditor f;
    f.showMiscTab();
    // Channel 1 uses scan list 1 and personality 1; both go.
    f.store.addPersonality();
    f.store.deleteScanList(0);
    f.store.deletePersonality(0);
    f.announceDeleted(Section::ScanList);
    const int id = f.store.channels[0].id;
    EXPECT_TRUE(f.invalid.contains(id + 65535 + 3706));
    EXPECT_TRUE(f.invalid.contains(id + 65535 + 3703));
    f.view->load();
    auto* scan = f.control<QComboBox>(3706);
    auto* personality = f.control<QComboBox>(3703);
    EXPECT_EQ(scan->currentIndex(), -1);
    EXPECT_EQ(personality->currentIndex(), -1);
    EXPECT_EQ(personality->count(), 1);
    // "None" is a valid scan choice; the remaining personality is number 1.
    choose(scan, 0);
    EXPECT_FALSE(f.invalid.contains(id + 65535 + 3706));
    EXPECT_EQ(f.channel(0).u8(ChannelField::ScanList), 0);
    choose(personality, 0);
    EXPECT_FALSE(f.invalid.contains(id + 65535 + 3703));
    EXPECT_EQ(f.store.channels[0].personalityId, f.store.personalities[0].id);
}

TEST(ChannelEditor, RecordLimitsAndTheDeleteRefusal)
{
    ChannelEditor f;
    ASSERT_EQ(f.store.channels.size(), 16u);
    f.view->navigate(NavAction::kNew);
    EXPECT_EQ(f.store.channels.size(), 16u);
    for (int i = 0; i < 20; ++i) f.view->navigate(NavAction::kDelete);
    EXPECT_EQ(f.store.channels.size(), 1u);
    EXPECT_EQ(f.view->currentIndex(), 0);
    f.view->navigate(NavAction::kNew);
    EXPECT_EQ(f.store.channels.size(), 2u);
    // The new channel is the second default channel: 0.5 MHz up, the next tone.
    EXPECT_EQ(f.control<CFreqEdit>(3666)->text(), QStringLiteral("400.82500"));
    EXPECT_EQ(f.control<QComboBox>(3670)->currentText(), QStringLiteral("136.5"));
}

}  // namespace
