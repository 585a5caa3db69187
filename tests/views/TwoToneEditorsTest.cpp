// The two-tone system and call editors with the shipped English texts.
#include "SignallingFixture.h"

#include "model/TwoToneRecords.h"
#include "views/QAVPropertySheet.h"
#include "views/SheetFormView.h"
#include "views/TTSystemAdvancePage.h"
#include "views/ViewIds.h"
#include "views/ViewTToneCall.h"

#include <QCheckBox>
#include <QComboBox>

namespace {

using Page = CTTSystemAdvancePage;

struct SystemFixture : SignallingFixture {
    explicit SystemFixture(int count = 1)
        : SignallingFixture(Section::TwoToneSystems, TwoToneSystemField::kSize, count, 4, false, {{5450, 5537}})
    {
        for (int i = 0; i < count; ++i) record(i) = defaultTwoToneSystemRecord();
        open(ViewCommand::kTwoToneSystem);
        auto* sheet = static_cast<CSheetFormView*>(view.get())->sheet();
        sheet->setActivePage(1);
    }
    QComboBox* combo(int id) { return control<QComboBox>(id); }
    bool enabled(int id) { return findControl(view.get(), id)->isEnabled(); }
    // Chooses by text and commits, as a user's choice does.
    void choose(int id, const QString& text)
    {
        QComboBox* c = combo(id);
        c->setCurrentIndex(c->findText(text));
        emit c->activated(c->currentIndex());
    }
};

TEST(ViewTToneSystem, TheLastSystemIsNeverDeleted)
{
    SystemFixture f(1);
    f.view->navigate(NavAction::kDelete);
    EXPECT_EQ(f.section->count(), 1);
    f.view->navigate(NavAction::kNew);
    EXPECT_EQ(f.section->count(), 2);
    f.view->navigate(NavAction::kDelete);
    EXPECT_EQ(f.section->count(), 1);
}

TEST(ViewTToneSystem, ATonesControlsApplyOnlyWhileACallFormatNamesIt)
{
    SystemFixture f;
    for (int k = 0; k < 4; ++k) f.choose(Page::formatCombo(k), k % 2 ? "B-A" : "A Long");
    EXPECT_TRUE(f.enabled(Page::toneEdit(0)));
    EXPECT_TRUE(f.enabled(Page::toneEdit(1)));
    EXPECT_FALSE(f.enabled(Page::toneEdit(2)));
    EXPECT_FALSE(f.enabled(Page::toneEdit(3)));
    EXPECT_FALSE(f.enabled(Page::toneEdit(3) + 4)) << "the spin goes with its edit";
    f.choose(Page::formatCombo(2), "C-D");
    EXPECT_TRUE(f.enabled(Page::toneEdit(2)));
    EXPECT_TRUE(f.enabled(Page::toneEdit(3)));
    EXPECT_EQ(f.record().bits(TwoToneSystemField::decodeFormat(2), 0, 4), 12u);
}

TEST(ViewTToneSystem, CallTypesDecideWhichAlertOptionsApply)
{
    const QString open = "Open Squelch", alert = "Alert", both = "Alert and Open Squelch", record = "Alert and Record";
    struct Case {
        const char* name;
        QString types[4];
        bool vibrate, led, alertReset;
    };
    const Case cases[] = {
        {"all open squelch", {open, open, open, open}, false, false, false},
        {"all record", {record, record, record, record}, true, true, false},
        {"open and record", {open, record, open, record}, true, true, false},
        {"one alert", {open, alert, record, open}, true, true, true},
        {"alert and open squelch", {both, open, open, open}, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SystemFixture f;
        for (int k = 0; k < 4; ++k) f.choose(Page::typeCombo(k), c.types[k]);
        EXPECT_EQ(f.enabled(Page::kVibrate), c.vibrate);
        EXPECT_EQ(f.enabled(Page::kLed), c.led);
        EXPECT_EQ(f.enabled(Page::kAlertAutoReset), c.alertReset);
        // Auto resets apply only while some decoder alerts and what they reset is on.
        EXPECT_EQ(f.enabled(Page::kLedAutoReset), c.alertReset);
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(f.enabled(Page::alertCombo(k)), c.types[k] != open) << k;
            if (c.types[k] != both) {
                EXPECT_EQ(f.enabled(Page::recordCheck(k)), c.types[k] != alert) << k;
            }
        }
    }
}

TEST(ViewTToneSystem, LedAutoResetFollowsTheLedSwitch)
{
    SystemFixture f;
    f.choose(Page::typeCombo(0), "Alert");
    auto* led = f.control<QCheckBox>(Page::kLed);
    ASSERT_TRUE(led->isChecked());
    EXPECT_TRUE(f.enabled(Page::kLedAutoReset));
    led->click();
    EXPECT_FALSE(f.enabled(Page::kLedAutoReset));
    EXPECT_FALSE(f.record().bit(TwoToneSystemField::Alerting, 1));
    EXPECT_TRUE(f.record().bit(TwoToneSystemField::Alerting, 5)) << "the auto reset keeps its value";
}

TEST(ViewTToneCall, ARevertChannelBeyondTheChannelListShowsNoneAndIsKept)
{
    SignallingFixture f(Section::TwoToneCalls, TwoToneCallField::kSize, 1, 16, false, {{5402, 5416}});
    f.ctx.addSection(Section::Channels, 32, 3, 16);
    f.ctx.addSection(Section::TwoToneSystems, TwoToneSystemField::kSize, 2, 4);
    f.record() = defaultTwoToneCallRecord();
    f.record().setU16(TwoToneCallField::RevertChannel, 9);
    f.open(ViewCommand::kTwoToneCall);
    auto* revert = f.control<QComboBox>(CViewTToneCall::kRevertChannel);
    EXPECT_EQ(revert->count(), 4) << "none, then channels 1-3";
    EXPECT_EQ(revert->currentIndex(), -1);
    f.view->save();
    EXPECT_EQ(f.record().u16(TwoToneCallField::RevertChannel), 9);
    revert->setCurrentIndex(revert->findText("2"));
    f.view->save();
    EXPECT_EQ(f.record().u16(TwoToneCallField::RevertChannel), 2);
    EXPECT_EQ(f.control<QComboBox>(CViewTToneCall::kSystem)->count(), 2);
    EXPECT_EQ(f.control<QLineEdit>(5408)->text(), "500.0");
}

}  // namespace
