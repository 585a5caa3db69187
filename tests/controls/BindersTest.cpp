// Binders between controls and record fields, kind by kind.
#include "controls/BcdDigitEdit.h"
#include "controls/Binders.h"
#include "controls/FreqEdit.h"
#include "controls/RangeValueEdit.h"
#include "model/ToneWord.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

constexpr FieldDesc kMode = fBits("mode", 2, 1, 3);
constexpr FieldDesc kFlag = fBits("flag", 2, 4, 1);
constexpr FieldDesc kByte = fU8("byte", 3);
constexpr FieldDesc kName = fText("name", 4, 6);
constexpr FieldDesc kFreq = fFreq("freq", 12);
constexpr FieldDesc kDigits = fDigits("digits", 16, 3);
constexpr FieldDesc kTone = fTone("tone", 20);

Record blank() { return Record(24, 0xA5); }

TEST(OptionComboBinder, StoresTheChosenItemsValueEvenWhenTwoItemsShareAText)
{
    QComboBox combo;
    combo.addItem("Same", 2);
    combo.addItem("Same", 5);
    OptionComboBinder binder(&combo, kMode);
    Record r = blank();
    combo.setCurrentIndex(1);
    binder.save(r);
    EXPECT_EQ(r.bits(2, 1, 3), 5u);
    EXPECT_EQ(r.u8(2) & ~0x0E, 0xA5 & ~0x0E) << "other bits of the byte stay";
    r.setBits(2, 1, 3, 2);
    binder.load(r);
    EXPECT_EQ(combo.currentIndex(), 0);
}

TEST(OptionComboBinder, AValueWithoutAnItemShowsNothingAndIsKept)
{
    QComboBox combo;
    combo.addItem("Off", 0);
    OptionComboBinder binder(&combo, kByte);
    Record r = blank();
    binder.load(r);
    EXPECT_EQ(combo.currentIndex(), -1);
    binder.save(r);
    EXPECT_EQ(r.u8(3), 0xA5);
}

TEST(Binders, EachKindShowsItsFieldAndWritesOnlyItsBytes)
{
    Record r = blank();
    r.setText(4, 6, "AB", '\0');
    r.setU32(12, 0x40012500);
    r.setBytes(16, std::vector<std::uint8_t>{0x01, 0x23, 0x45});

    QCheckBox check;
    QLineEdit text;
    CFreqEdit freq;
    freq.setBand(FreqBand::fromMHz(400, 470));
    CBcdDigitEdit digits;
    CheckBinder checkBinder(&check, kFlag);
    TextBinder textBinder(&text, kName);
    FreqBinder freqBinder(&freq, kFreq);
    BcdDigitsBinder digitsBinder(&digits, kDigits);
    checkBinder.load(r);
    textBinder.load(r);
    freqBinder.load(r);
    digitsBinder.load(r);
    EXPECT_FALSE(check.isChecked());   // 0xA5 bit 4 is 0
    EXPECT_EQ(text.text(), "AB");
    EXPECT_EQ(freq.text(), "400.12500");
    EXPECT_EQ(digits.text(), "012345");

    check.setChecked(true);
    text.setText("WXYZ");
    freq.setText("401");
    digits.setText("987");
    const Record before = r;
    checkBinder.save(r);
    textBinder.save(r);
    freqBinder.save(r);
    digitsBinder.save(r);
    EXPECT_TRUE(r.bit(2, 4));
    EXPECT_EQ(r.text(4, 6), "WXYZ");
    EXPECT_EQ(r.u8(8), 0) << "zero padded";
    EXPECT_EQ(r.u32(12), 0x40100000u);
    EXPECT_EQ(r.bytes(16, 3)[2], 0x87);
    for (std::size_t i : {0u, 1u, 3u, 10u, 11u, 19u, 20u, 21u, 22u, 23u}) EXPECT_EQ(r.u8(i), before.u8(i)) << i;
}

TEST(TonePairBinder, TypeAndTheBoxOfThatTypeMakeTheWord)
{
    QComboBox type, ctcss, cdcss;
    for (int t = 0; t < 4; ++t) type.addItem(QString::number(t), t);
    ctcss.setEditable(true);
    cdcss.setEditable(true);
    TonePairBinder binder(&type, &ctcss, &cdcss, kTone);
    Record r = blank();
    r.setU16(20, 0x4000 | 885);   // CTCSS 88.5
    binder.load(r);
    EXPECT_EQ(type.currentData().toInt(), 1);
    EXPECT_EQ(ctcss.currentText(), "88.5");
    EXPECT_EQ(cdcss.currentText(), "023");

    type.setCurrentIndex(2);
    cdcss.setEditText("754");
    binder.save(r);
    EXPECT_EQ(ToneWord::type(r.u16(20)), 2u);
    EXPECT_EQ(ToneWord::value(r.u16(20)), 0754u);
}

TEST(FormBindings, DisplayOnlyBindersNeverWriteAndLabelsBecomeBuddies)
{
    QWidget form;
    auto* label = new QLabel("&Name", &form);
    auto* edit = new QLineEdit(&form);
    FormBindings bindings;
    FieldBinder& b = bindings.add(makeBinder(edit, kName));
    b.setLabel(label);
    EXPECT_EQ(label->buddy(), edit);
    b.setDisplayOnly(true);
    Record r = blank();
    bindings.load(&r);
    edit->setText("CHANGED");
    bindings.save(r);
    EXPECT_EQ(r, blank());
    bindings.load(nullptr);
    EXPECT_TRUE(edit->text().isEmpty()) << "no record: the control is blank";
}

TEST(MakeBinder, RefusesAControlThatDoesNotFitTheField)
{
    QCheckBox check;
    QComboBox combo;
    QLineEdit edit;
    CFreqEdit freq;
    CRangeValueEdit range;
    EXPECT_EQ(makeBinder(&check, kMode), nullptr) << "three bits on a check box";
    EXPECT_NE(makeBinder(&check, kFlag), nullptr);
    EXPECT_EQ(makeBinder(&combo, kName), nullptr);
    EXPECT_EQ(makeBinder(&edit, kByte), nullptr);
    EXPECT_EQ(makeBinder(&freq, kByte), nullptr);
    EXPECT_NE(makeBinder(&freq, kFreq), nullptr);
    EXPECT_NE(makeBinder(&range, kByte), nullptr);
}

}  // namespace

// A control writes back only once it changed after loading: what the form's
// own rules did to it while loading counts as unchanged, so merely looking
// at a record never rewrites a value the control cannot show.
TEST(FormBindings, OnlyControlsChangedSinceLoadingWriteBack)
{
    QLineEdit edit;
    FormBindings bindings;
    bindings.add(makeBinder(&edit, kName));
    Record r = blank();
    r.setText(4, 6, "AB", '\0');
    const Record stored = r;
    bindings.load(&r);
    edit.setText("RULE");  // a rule of the form adjusts the control while loading
    bindings.remember(&r);

    struct Step {
        const char* typed;  // nullptr: left alone
        const char* expected;
    };
    const Step steps[] = {
        {nullptr, "AB"},  // looked at only: the stored text stays
        {"XY", "XY"},     // the user's edit is written
        {nullptr, "XY"},
        {"RULE", "RULE"},  // back to what loading showed is a change again
    };
    for (const Step& s : steps) {
        if (s.typed) edit.setText(s.typed);
        bindings.save(r);
        EXPECT_EQ(r.text(4, 6), std::string(s.expected)) << (s.typed ? s.typed : "(left alone)");
    }
    Record other = stored;
    bindings.load(&other);
    bindings.save(other);  // loaded without remember: every control writes, as before
    EXPECT_EQ(other, stored);
}
