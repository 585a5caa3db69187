// Program > Adjustment against the program's simulated radio: the tuning
// list, the sub-item dialog and what reaches the radio and the store.
#include "GuiFixture.h"
#include "frame/CDlgTuneSubItem.h"
#include "frame/CDlgTuning.h"
#include "frame/CMainFrame.h"
#include "frame/FrameIds.h"
#include "settings/TextIds.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>

namespace {

constexpr std::uint16_t kReferenceOscillator = 0x8002;  // list row 0, one wide point
constexpr int kTxPowerHighRow = 2;                       // 0x8020, five wide points

int rowOf(CDlgTuning* list, int id)
{
    for (int r = 0; r < list->list()->count(); ++r)
        if (list->list()->item(r)->data(Qt::UserRole).toInt() == id) return r;
    return -1;
}

// Drives the tuning screens step by step: `sub` runs against the open
// sub-item dialog whenever it has no command on its way and returns false
// when it is done with it; the list opens `row` once and is closed after.
struct TuningScript {
    int row = 0;
    std::function<bool(CDlgTuneSubItem*, int step)> sub;
    int step = 0;
    bool opened = false;
    bool byEnter = false;  // open with the Enter key instead of openRow

    void operator()(QDialog* d)
    {
        if (auto* s = qobject_cast<CDlgTuneSubItem*>(d)) {
            if (s->pendingJobs() > 0 || !sub) return;
            if (!sub(s, step)) sub = nullptr;
            ++step;
            return;
        }
        auto* list = qobject_cast<CDlgTuning*>(d);
        if (!list || !list->list()->isEnabled()) return;
        if (!opened) {
            opened = true;
            if (byEnter) {
                list->list()->setCurrentRow(row);
                QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                QApplication::sendEvent(list->list(), &enter);
                return;
            }
            // Queued: a message it shows must not be nested in this call,
            // or the driver's timer could not answer it.
            QMetaObject::invokeMethod(list, [list, r = row] { list->openRow(r); }, Qt::QueuedConnection);
        } else {
            list->reject();
        }
    }
};

std::vector<SimCommand> commandsNamed(const SimRadio& sim, std::initializer_list<const char*> codes)
{
    std::vector<SimCommand> out;
    for (const SimCommand& c : sim.log())
        for (const char* code : codes)
            if (c.code == code) out.push_back(c);
    return out;
}

}  // namespace

TEST_F(GuiFixture, TunedValueReachesTheRadioAndOkKeepsItInTheStore)
{
    startProgram();
    SimRadio& sim = radio();
    sim.setRegister(kReferenceOscillator, 100);
    ModalDriver driver;
    TuningScript script;
    script.byEnter = true;  // opens the item and leaves the list open
    script.sub = [](CDlgTuneSubItem* s, int step) {
        if (step == 0) {
            EXPECT_EQ(s->valueBar()->value(), 100);
            EXPECT_EQ(s->tabs()->count(), 1);
            s->valueBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
            s->valueBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            return true;
        }
        s->accept();
        return false;
    };
    driver.onDialog = std::ref(script);
    app->frame().runCommand(Cmd::kAdjustment);

    EXPECT_TRUE(script.opened);
    EXPECT_EQ(sim.registerValue(kReferenceOscillator), 111);
    EXPECT_EQ(sim.keptRegister(kReferenceOscillator), 111);
    // Offset 0, high byte first.
    EXPECT_EQ(store->tuneData.data()[0], 0);
    EXPECT_EQ(store->tuneData.data()[1], 111);
    EXPECT_TRUE(app->document().isModified());
    // The last write precedes the keep command; the radio ends in mode 1.
    const auto tail = commandsNamed(sim, {"Va", "Vj", "Vk"});
    ASSERT_GE(tail.size(), 2u);
    EXPECT_EQ(tail.back().code, "Vj");
    EXPECT_EQ(tail[tail.size() - 2].data, (std::vector<std::uint8_t>{0, 111}));
    EXPECT_EQ(commandsNamed(sim, {"Ma"}).back().value, 1u);
    EXPECT_TRUE(driver.messages.isEmpty()) << driver.messages.join('\n').toStdString();
}

TEST_F(GuiFixture, CancelLeavesTheStoresTuneDataAsItWas)
{
    startProgram();
    SimRadio& sim = radio();
    sim.setRegister(kReferenceOscillator, 100);
    const std::vector<std::uint8_t> before(store->tuneData.data(), store->tuneData.data() + store->tuneData.size());
    ModalDriver driver;
    TuningScript script;
    script.sub = [](CDlgTuneSubItem* s, int step) {
        if (step == 0) {
            s->valueBar()->setValue(42);
            return true;
        }
        s->reject();
        return false;
    };
    driver.onDialog = std::ref(script);
    app->frame().runCommand(Cmd::kAdjustment);

    // The radio had the value, then dropped it.
    const auto writes = commandsNamed(sim, {"Va"});
    ASSERT_FALSE(writes.empty());
    EXPECT_EQ(writes.back().data, (std::vector<std::uint8_t>{0, 42}));
    EXPECT_EQ(commandsNamed(sim, {"Vk"}).size(), 1u);
    EXPECT_EQ(sim.registerValue(kReferenceOscillator), 100);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), store->tuneData.data()));
}

TEST_F(GuiFixture, RefusedRegisterWriteIsSaidAndClosesTheSubItem)
{
    startProgram();
    SimRadio& sim = radio();
    SimFault refuse;
    refuse.kind = SimFaultKind::BadAck;
    refuse.command = "Va";
    sim.addFault(refuse);
    const std::vector<std::uint8_t> before(store->tuneData.data(), store->tuneData.data() + store->tuneData.size());
    ModalDriver driver;
    TuningScript script;
    script.sub = [](CDlgTuneSubItem* s, int step) {
        if (step == 0) {
            s->valueBar()->setValue(7);
            s->valueBar()->setValue(8);  // kept while the first is on its way, then dropped
            return true;
        }
        s->reject();  // not reached when the refusal closed the dialog
        return false;
    };
    driver.onDialog = std::ref(script);
    app->frame().runCommand(Cmd::kAdjustment);

    ASSERT_FALSE(driver.messages.isEmpty());
    EXPECT_EQ(driver.messages.back().toStdString(), settings->message(MsgId::kTuneWriteFailed));
    EXPECT_EQ(commandsNamed(sim, {"Va"}).size(), 1u);  // nothing after the refusal
    EXPECT_TRUE(commandsNamed(sim, {"Vj", "Vk"}).empty());
    EXPECT_TRUE(std::equal(before.begin(), before.end(), store->tuneData.data()));
    EXPECT_EQ(commandsNamed(sim, {"Ma"}).back().value, 1u);
}

TEST_F(GuiFixture, TxOnFollowsTheRadioAndPopsOutWhenRefused)
{
    startProgram();
    SimRadio& sim = radio();
    ModalDriver driver;
    TuningScript script;
    bool sawOn = false, sawRefusal = false;
    script.sub = [&](CDlgTuneSubItem* s, int step) {
        switch (step) {
        case 0:
            EXPECT_TRUE(s->txOn()->isEnabled());
            EXPECT_FALSE(s->volumeBar()->isEnabled());
            s->txOn()->click();
            return true;
        case 1:
            sawOn = s->txOn()->isChecked() && sim.outputState('a') == 1;
            s->txOn()->click();  // off again
            return true;
        case 2: {
            SimFault refuse;
            refuse.kind = SimFaultKind::BadAck;
            refuse.command = "O";
            sim.addFault(refuse);
            s->txOn()->click();
            return true;
        }
        default:
            sawRefusal = !s->txOn()->isChecked();
            s->reject();
            return false;
        }
    };
    driver.onDialog = [&](QDialog* d) {
        if (auto* list = qobject_cast<CDlgTuning*>(d)) script.row = rowOf(list, 0x8020);
        script(d);
    };
    app->frame().runCommand(Cmd::kAdjustment);
    EXPECT_EQ(script.row, kTxPowerHighRow);
    EXPECT_TRUE(sawOn);
    EXPECT_TRUE(sawRefusal);
    const auto outputs = commandsNamed(sim, {"O"});
    ASSERT_GE(outputs.size(), 2u);
    EXPECT_EQ(outputs[0].value, 'a');
    EXPECT_EQ(outputs[0].data, (std::vector<std::uint8_t>{1}));
    EXPECT_EQ(outputs[1].data, (std::vector<std::uint8_t>{0}));
}

TEST_F(GuiFixture, SilentRadioIsSaidWithoutFreezingTheWindow)
{
    startProgram();
    SimRadio& sim = radio();
    // The radio answers the connection, then falls silent.
    SimFault silence;
    silence.kind = SimFaultKind::Silence;
    silence.command = "Ma";
    silence.after = 1;
    sim.addFault(silence);
    int ticks = 0;
    QTimer clock;
    QObject::connect(&clock, &QTimer::timeout, [&] { ++ticks; });
    clock.start(20);
    ModalDriver driver;
    TuningScript script;
    driver.onDialog = std::ref(script);
    app->frame().runCommand(Cmd::kAdjustment);
    ASSERT_FALSE(driver.messages.isEmpty());
    EXPECT_EQ(driver.messages.first().toStdString(), settings->message(MsgId::kNoRadio));
    // The window's own timers ran while the radio was waited for.
    EXPECT_GT(ticks, 10);
}

TEST_F(GuiFixture, SpacingButtonsBuildTheTabsOfTheirPointsAndVolumeItemsSetTheVolume)
{
    startProgram();
    SimRadio& sim = radio();
    sim.setRegister(0x805C, 77);
    ModalDriver driver;
    TuningScript script;
    std::vector<std::uint16_t> registers;
    script.sub = [&](CDlgTuneSubItem* s, int step) {
        switch (step) {
        case 0:
            // RSSI Threshold: wide, middle and narrow points, a volume item.
            EXPECT_EQ(s->spacing(), Spacing::Wide);
            EXPECT_EQ(s->tabs()->count(), 3);
            EXPECT_TRUE(s->spacingButton(Spacing::Middle)->isVisible());
            EXPECT_TRUE(s->volumeBar()->isEnabled());
            EXPECT_FALSE(s->txOn()->isEnabled());
            s->spacingButton(Spacing::Narrow)->click();
            return true;
        case 1:
            registers.push_back(s->currentRegister());
            s->tabs()->setCurrentIndex(1);
            return true;
        case 2:
            registers.push_back(s->currentRegister());
            EXPECT_EQ(s->valueBar()->value(), 77);
            s->volumeBar()->setValue(200);
            return true;
        default:
            s->reject();
            return false;
        }
    };
    driver.onDialog = [&](QDialog* d) {
        if (auto* list = qobject_cast<CDlgTuning*>(d)) script.row = rowOf(list, 0x8050);
        script(d);
    };
    app->frame().runCommand(Cmd::kAdjustment);
    EXPECT_EQ(registers, (std::vector<std::uint16_t>{0x805A, 0x805C}));
    const auto writes = commandsNamed(sim, {"Va"});
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].value, kVolumeRegister);
    EXPECT_EQ(writes[0].data, (std::vector<std::uint8_t>{0, 200}));
}

TEST_F(GuiFixture, WithoutPointNamesTheSubItemSaysSoAndReadsNothing)
{
    startProgram([](const QString& home) {
        editFile(home + "/QAV_E.lng", [](QString text) { return text.replace("S0207067=Low;Mid-Low;Middle;Mid-High;High", "S0207067="); });
    });
    SimRadio& sim = radio();
    ModalDriver driver;
    TuningScript script;
    int tabs = -1;
    script.sub = [&](CDlgTuneSubItem* s, int) {
        tabs = s->tabs()->count();
        EXPECT_FALSE(s->valueBar()->isEnabled());
        s->reject();
        return false;
    };
    driver.onDialog = std::ref(script);
    app->frame().runCommand(Cmd::kAdjustment);
    EXPECT_EQ(tabs, 0);
    ASSERT_FALSE(driver.messages.isEmpty());
    EXPECT_EQ(driver.messages.first().toStdString(), settings->message(MsgId::kTunePointNamesMissing));
    EXPECT_EQ(commandsNamed(sim, {"Vb"}).size(), 1u);  // the list's read only
}

TEST_F(GuiFixture, BarMovedFasterThanTheRadioAnswersSendsItsLastPosition)
{
    startProgram();
    SimRadio& sim = radio();
    ModalDriver driver;
    TuningScript script;
    script.sub = [](CDlgTuneSubItem* s, int step) {
        if (step == 0) {
            // Every position arrives before the radio has answered the first.
            for (int v = 1; v <= 50; ++v) s->valueBar()->setValue(v);
            return true;
        }
        s->accept();
        return false;
    };
    driver.onDialog = std::ref(script);
    app->frame().runCommand(Cmd::kAdjustment);
    const auto writes = commandsNamed(sim, {"Va"});
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0].data, (std::vector<std::uint8_t>{0, 1}));
    EXPECT_EQ(writes[1].data, (std::vector<std::uint8_t>{0, 50}));
    EXPECT_EQ(sim.keptRegister(kReferenceOscillator), 50);
    EXPECT_EQ(store->tuneData.data()[1], 50);
}

TEST_F(GuiFixture, ItemWithoutAPointIsSaidAndNothingIsRead)
{
    startProgram([](const QString& home) {
        editFile(home + "/QAV_E.lng", [](QString text) { return text.replace("S0207054=32770,1;", "S0207054=32770,0;"); });
    });
    SimRadio& sim = radio();
    ModalDriver driver;
    TuningScript script;
    driver.onDialog = std::ref(script);
    app->frame().runCommand(Cmd::kAdjustment);
    ASSERT_FALSE(driver.messages.isEmpty());
    EXPECT_EQ(driver.messages.first().toStdString(), settings->message(MsgId::kTuneItemNoPoint));
    EXPECT_TRUE(commandsNamed(sim, {"Vb"}).empty());
}
