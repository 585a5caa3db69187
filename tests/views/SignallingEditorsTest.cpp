// The keys, PTT-ID, DOS and ATIS editors with the shipped English texts.
#include "SignallingFixture.h"

#include "model/KeysRecord.h"
#include "model/SignallingRecords.h"
#include "views/ViewAtis.h"
#include "views/ViewBtnKey.h"
#include "views/ViewDos.h"
#include "views/ViewIds.h"
#include "views/ViewPttId.h"

#include <QCheckBox>
#include <QComboBox>

namespace {

TEST(ViewBtnKey, EachKeyComboChoosesItsByteAndAnUnlistedValueIsKept)
{
    SignallingFixture f(Section::Keys, KeysField::kSize, 1, 1, true, {{6601, 6622}});
    loadKeysFactoryValues(f.record());
    f.record().setU8(KeysField::KeyB2, 99);   // no function of the list
    f.open(ViewCommand::kKeys);
    struct Case {
        int id;
        Offset offset;
    };
    for (Case c : {Case{6614, KeysField::KeyA2}, Case{6616, KeysField::KeyA3}, Case{6620, KeysField::KeyB2},
                   Case{6622, KeysField::KeyB3}}) {
        SCOPED_TRACE(c.id);
        auto* combo = f.control<QComboBox>(c.id);
        ASSERT_TRUE(combo);
        EXPECT_EQ(combo->count(), 25);
        combo->setCurrentIndex(combo->findText("Monitor"));
        f.view->save();
        EXPECT_EQ(f.record().u8(c.offset), 24);
    }
    f.record().setU8(KeysField::KeyB2, 99);
    f.view->load();
    EXPECT_EQ(f.control<QComboBox>(6620)->currentIndex(), -1);
    EXPECT_EQ(f.control<QComboBox>(6614)->currentText(), "Monitor");
    f.view->save();
    EXPECT_EQ(f.record().u8(KeysField::KeyB2), 99) << "opening and closing the editor changes nothing";
    EXPECT_EQ(f.record().u8(KeysField::KeyA2), 24);
    EXPECT_EQ(f.record().u8(24), 1) << "bytes without a control are kept";
}

TEST(ViewPttId, PrimaryIdsAreCorrectedAsTheyAreEntered)
{
    SignallingFixture f(Section::PttId, PttIdField::kSize, 1, 1, true, {{1655, 1671}});
    loadPttIdFactoryValues(f.record());
    f.record().setU16(PttIdField::Primary, 0xFFFF);
    f.open(ViewCommand::kPttId);
    auto* primary = f.control<QLineEdit>(CViewQFX12PTTID::kPrimaryId);
    EXPECT_EQ(primary->text(), "DEEE") << "a stored FFFF is shown as the radio can send it";
    f.view->save();
    EXPECT_EQ(f.record().u16(PttIdField::Primary), 0xFFFF) << "kept until edited";
    struct Case {
        QString typed;
        QString shown;
        std::uint16_t stored;
    };
    // F cannot be typed (the edit refuses it); a first digit E is lowered.
    for (const Case& c : {Case{"E123", "D123", 0xD123}, Case{"0", "0001", 1}, Case{"", "0001", 1},
                          Case{"1a2b", "1A2B", 0x1A2B},
                          // refused characters leave the text as it was
                          Case{"gh", "1A2B", 0x1A2B}}) {
        SCOPED_TRACE(c.typed.toStdString());
        f.type(CViewQFX12PTTID::kPrimaryId, c.typed, 1665);
        EXPECT_EQ(primary->text(), c.shown);
        EXPECT_EQ(f.record().u16(PttIdField::Primary), c.stored);
    }
    f.type(CViewQFX12PTTID::kGroupId, "a", 1665);
    EXPECT_EQ(f.control<QLineEdit>(CViewQFX12PTTID::kGroupId)->text(), "00A");
    f.type(CViewQFX12PTTID::kGroupId, "", 1665);
    EXPECT_EQ(f.control<QLineEdit>(CViewQFX12PTTID::kGroupId)->text(), "001");
}

TEST(ViewPttId, SideToneAndShortBeepAreStoredInverted)
{
    SignallingFixture f(Section::PttId, PttIdField::kSize, 1, 1, true, {{1655, 1671}});
    loadPttIdFactoryValues(f.record());   // side tone off (1), short beep on (0)
    f.open(ViewCommand::kPttId);
    auto* side = f.control<QCheckBox>(CViewQFX12PTTID::kSideTone);
    auto* beep = f.control<QCheckBox>(CViewQFX12PTTID::kShortBeep);
    EXPECT_FALSE(side->isChecked());
    EXPECT_TRUE(beep->isChecked());
    side->click();
    beep->click();
    EXPECT_EQ(f.record().u8(PttIdField::Options), 0xFE) << "bit 0 on (0), bit 1 off (1), reserved bits kept";
    EXPECT_EQ(f.control<QComboBox>(1667)->currentText(), "250");
}

TEST(ViewDos, EnableGreysThePreMuteDurationButKeepsItsValue)
{
    SignallingFixture f(Section::Dos, DosField::kSize, 1, 1, true, {{4660, 4670}});
    loadDosFactoryValues(f.record());
    f.record().setBit(DosField::Options, DosField::EnableBit, true);
    f.open(ViewCommand::kDos);
    auto* enable = f.control<QCheckBox>(CViewDos::kEnable);
    auto* preMute = f.control<QComboBox>(CViewDos::kPreMute);
    EXPECT_TRUE(preMute->isEnabled());
    EXPECT_EQ(preMute->currentText(), "150");
    enable->click();
    EXPECT_FALSE(preMute->isEnabled());
    EXPECT_EQ(f.record().u8(DosField::Options), 0x20) << "enable cleared, the kept bits as they were";
    EXPECT_EQ(f.record().u8(DosField::PreMute), 15);
    enable->click();
    EXPECT_TRUE(preMute->isEnabled());
}

TEST(ViewAtis, AShortCodeIsPaddedWithLeadingZeros)
{
    SignallingFixture f(Section::Atis, AtisField::kSize, 1, 1, true, {{4590, 4595}});
    loadAtisFactoryValues(f.record());
    f.open(ViewCommand::kAtis);
    auto* code = f.control<QLineEdit>(CViewAtis::kCode);
    EXPECT_EQ(code->text(), "999999999999");
    f.type(CViewAtis::kCode, "123", 4592);
    const std::vector<std::uint8_t> expected{0, 0, 0, 0, 0x01, 0x23};
    const auto stored = f.record().bytes(AtisField::Code, 6);
    EXPECT_EQ(std::vector<std::uint8_t>(stored.begin(), stored.end()), expected);
    f.view->load();
    EXPECT_EQ(code->text(), "000000000123");
}

}  // namespace
