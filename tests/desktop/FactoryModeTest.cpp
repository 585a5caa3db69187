// Program > Factory Mode against the simulated radio: read, edit, write,
// and what the dialog hands to the codeplug when it closes.
#include "GuiFixture.h"
#include "app/FactorySettingsForm.h"
#include "controls/ControlId.h"
#include "frame/CDlgFactoryMode.h"
#include "frame/CMainFrame.h"
#include "frame/FrameIds.h"
#include "model/RadioInfoRecord.h"
#include "settings/AccessLevel.h"

#include <QComboBox>
#include <QRegularExpression>
#include <QRadioButton>
#include <QTest>

namespace {

void withLevel(const QString& dir, int level)
{
    GuiFixture::editFile(QDir(dir).filePath("Settings.ini"), [level](QString ini) {
        return ini.replace(QRegularExpression("Level=\\d*"), QString("Level=%1").arg(level));
    });
}

// Runs `action` after the driver's turn: a message box it opens is then
// answered by the driver's next turn.
void later(QDialog* dlg, std::function<void()> action)
{
    QTimer::singleShot(0, dlg, std::move(action));
}

std::string text(const SimRadio::Memory& m, std::size_t at, std::size_t n)
{
    return std::string(m.begin() + static_cast<std::ptrdiff_t>(at), m.begin() + static_cast<std::ptrdiff_t>(at + n));
}

}  // namespace

TEST_F(GuiFixture, FactoryModeReadsEditsAndWritesTheRadioOffTheWindowThread)
{
    startProgram([](const QString& dir) { withLevel(dir, AccessCode::kFull); });
    SimRadio& sim = radio();
    SimRadio::Memory mem = sim.memory();
    std::copy_n("SN-OLD          ", 16, mem.begin() + 72);
    mem[181] = 0xFE;  // tune switch closed, the other bits set
    sim.setMemory(mem);

    ModalDriver driver;
    int step = 0;
    bool sawBusy = false;
    driver.onDialog = [&](QDialog* d) {
        auto* dlg = qobject_cast<CDlgFactoryMode*>(d);
        if (!dlg) return;
        if (dlg->busy()) {
            sawBusy = true;
            return;
        }
        auto* serial = findControlAs<QLineEdit>(dlg, FactoryControl::kSerial);
        switch (step++) {
        case 0:
            EXPECT_TRUE(findControl(dlg, FactoryControl::kRangeId)->isEnabled()) << "full access";
            dlg->startJob(CDlgFactoryMode::Job::Read);
            break;
        case 1:
            EXPECT_EQ(serial->text(), "SN-OLD");
            EXPECT_EQ(dlg->form().tuneSwitchOpen, false);
            serial->setText("SN-NEW");
            findControlAs<QRadioButton>(dlg, FactoryControl::kTuneOpen)->setChecked(true);
            dlg->startJob(CDlgFactoryMode::Job::Write);
            break;
        case 2:
            EXPECT_EQ(sim.memory()[181], 0xFF) << "only the tune switch bit was written";
            findControlAs<QRadioButton>(dlg, FactoryControl::kTuneClose)->setChecked(true);
            dlg->startJob(CDlgFactoryMode::Job::TuneSwitch);
            break;
        default:
            later(dlg, [dlg] { dlg->reject(); });  // Close
        }
    };
    app->frame().runCommand(Cmd::kFactoryMode);
    EXPECT_GE(step, 4);
    EXPECT_TRUE(sawBusy) << "the dialog shows it is busy while the worker runs";
    ASSERT_EQ(driver.messages.size(), 3) << driver.messages.join(" | ").toStdString();
    EXPECT_EQ(driver.messages[0], "Read from radio completed.");
    EXPECT_EQ(driver.messages[1], "Write to radio completed.");
    EXPECT_EQ(driver.messages[2], "Tune data written to the radio.");

    const SimRadio::Memory after = sim.memory();
    EXPECT_EQ(text(after, 72, 6), "SN-NEW");
    EXPECT_EQ(after[181], 0) << "Write Tune Switch sends the whole byte: 1 open, 0 closed";
    // Closing handed the values to the codeplug.
    EXPECT_EQ(store->radioInfo.text(RadioInfoField::Serial, 6), "SN-NEW");
    EXPECT_EQ(store->factoryBlock.own.u8(0) & 1, 0);
}

TEST_F(GuiFixture, FactoryModeRefusesAnEmptyModelNameAndKeepsTheBandControlsForTheFullLevel)
{
    startProgram([](const QString& dir) { withLevel(dir, AccessCode::kFactory); });
    SimRadio& sim = radio();
    ModalDriver driver;
    int step = 0;
    driver.onDialog = [&](QDialog* d) {
        auto* dlg = qobject_cast<CDlgFactoryMode*>(d);
        if (!dlg || dlg->busy()) return;
        switch (step++) {
        case 0:
            for (int id : {FactoryControl::kBandFlag, FactoryControl::kRangeId, FactoryControl::kRangeLow,
                           FactoryControl::kRangeHigh, FactoryControl::kSignalling, FactoryControl::kOpenChannel})
                EXPECT_FALSE(findControl(dlg, id)->isEnabled()) << id;
            EXPECT_TRUE(findControl(dlg, FactoryControl::kSerial)->isEnabled());
            findControlAs<QLineEdit>(dlg, FactoryControl::kModelName)->clear();
            later(dlg, [dlg] { dlg->startJob(CDlgFactoryMode::Job::Write); });  // refused before the radio is asked
            break;
        case 1:
            findControlAs<QLineEdit>(dlg, FactoryControl::kPll)->setText("9.5");
            findControlAs<QLineEdit>(dlg, FactoryControl::kModelName)->setText("QAV-410");
            later(dlg, [dlg] { dlg->reject(); });  // Close refuses the oscillator frequency
            break;
        case 2:
            EXPECT_EQ(dlg->focusWidget(), findControl(dlg, FactoryControl::kPll));
            findControlAs<QLineEdit>(dlg, FactoryControl::kPll)->setText("12.8");
            later(dlg, [dlg] { dlg->reject(); });
            break;
        default:
            break;
        }
    };
    sim.clearLog();
    app->frame().runCommand(Cmd::kFactoryMode);
    EXPECT_EQ(step, 3);
    ASSERT_GE(driver.messages.size(), 2);
    EXPECT_EQ(driver.messages[0], "The model name must not be empty.");
    EXPECT_EQ(driver.messages.last(), "PLL Local Oscillator Frequency[MHz] must be from 10 to 50.");
    EXPECT_TRUE(sim.log().empty()) << "nothing reached the radio";
}
