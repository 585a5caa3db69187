#include "GuiFixture.h"
#include "frame/CChildFrame.h"
#include "frame/CDlgLanguage.h"
#include "frame/CMainFrame.h"
#include "frame/CNavigationTree.h"
#include "frame/FrameIds.h"
#include "settings/TextIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QWindow>

namespace {

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// An edit as the user makes it: a check box of the miscellaneous editor
// clicked, so it travels through the editor's change notice.
QCheckBox* editMisc(CMainFrame& frame)
{
    CChildFrame* misc = frame.openView(TreeId::kMisc, "Miscellaneous");
    auto* box = misc ? misc->view()->findChild<QCheckBox*>() : nullptr;
    if (box) box->click();
    return box;
}

}  // namespace

TEST_F(GuiFixture, AnEditMarksTheTitleAndOpenAsksToSaveItFirst)
{
    startProgram();
    CMainFrame& f = app->frame();
    const QString kept = dir.filePath("kept.qav");
    ASSERT_TRUE(app->document().saveAs(kept.toStdString(), ""));
    EXPECT_FALSE(f.windowHandle()->title().endsWith('*'));

    ASSERT_NE(editMisc(f), nullptr);
    EXPECT_TRUE(f.isWindowModified());
    EXPECT_TRUE(f.windowHandle()->title().contains("kept.qav"));
    EXPECT_TRUE(f.windowHandle()->title().endsWith('*'));
    const Record misc = store->misc;

    ModalDriver driver;
    int fileDialogs = 0;
    driver.onDialog = [&](QDialog* d) {
        ++fileDialogs;
        d->reject();
    };
    // Cancel: no file dialog, the edit and its mark stay.
    driver.answerNo = true;
    app->open();
    EXPECT_EQ(driver.messages, QStringList{QString::fromStdString(settings->message(MsgId::kReplaceSaveQuestion))});
    EXPECT_EQ(driver.defaults, QList<QMessageBox::StandardButton>{QMessageBox::Save});  // never Discard
    EXPECT_EQ(fileDialogs, 0);
    EXPECT_TRUE(f.isWindowModified());
    EXPECT_EQ(store->misc, misc);

    // Save: the codeplug goes to its file first, then the file dialog opens.
    driver.answerNo = false;
    driver.saveAnswer = QMessageBox::Save;
    const QByteArray before = contents(kept);
    app->open();
    EXPECT_EQ(fileDialogs, 1);
    EXPECT_NE(contents(kept), before);
    EXPECT_FALSE(f.isWindowModified());

    // Unmodified: nothing is asked.
    driver.messages.clear();
    app->open();
    EXPECT_TRUE(driver.messages.isEmpty());
    EXPECT_EQ(fileDialogs, 2);
}

// Every command that replaces or closes the codeplug asks first when it
// changed; Cancel leaves the edit, the program and the radio alone.
TEST_F(GuiFixture, EveryReplacingCommandAsksAndCancelKeepsTheEdit)
{
    startProgram();
    CMainFrame& f = app->frame();
    ASSERT_TRUE(app->document().saveAs(dir.filePath("recent.qav").toStdString(), ""));
    SimRadio& sim = radio();
    struct Case {
        const char* name;
        int question;
        std::function<void()> run;
    };
    const Case cases[] = {
        {"Open Recent", MsgId::kReplaceSaveQuestion, [&] { app->openRecent(0); }},
        {"Read from Radio", MsgId::kReplaceSaveQuestion, [&] { app->readFromRadio(); }},
        {"New", MsgId::kReplaceSaveQuestion, [&] { app->newDocument(); }},
        {"Close", MsgId::kCloseSaveQuestion, [&] { EXPECT_FALSE(f.close()); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(editMisc(f), nullptr);
        const Record misc = store->misc;
        sim.clearLog();
        ModalDriver driver;
        driver.answerNo = true;
        c.run();
        EXPECT_EQ(driver.messages, QStringList{QString::fromStdString(settings->message(c.question))});
        EXPECT_TRUE(driver.progressTexts.isEmpty());  // no transfer was offered
        EXPECT_TRUE(sim.log().empty());
        EXPECT_EQ(store->misc, misc);
        EXPECT_TRUE(f.isWindowModified());
        EXPECT_TRUE(f.isVisible());
    }

    // Discard lets the command go on; an unchanged codeplug closes unasked.
    ModalDriver driver;
    driver.saveAnswer = QMessageBox::Discard;
    app->openRecent(0);
    EXPECT_FALSE(f.isWindowModified());
    driver.messages.clear();
    EXPECT_TRUE(f.close());
    EXPECT_TRUE(driver.messages.isEmpty());
}

// Model > Language relabels the program: the codeplug, its modified mark
// and the open editors stay (the editors built again in the new language).
TEST_F(GuiFixture, LanguageSwitchKeepsTheDocumentAndItsEditors)
{
    startProgram();
    CMainFrame& f = app->frame();
    store->channels[2].record.setU8(17, 0x5C);  // a value the defaults do not have
    app->document().noteEdit();
    ASSERT_NE(f.openView(TreeId::kMisc, "Miscellaneous"), nullptr);
    const Record misc = store->misc;
    const std::size_t channels = store->channels.size();
    ASSERT_EQ(f.childFrames().size(), 1);
    ASSERT_TRUE(f.isWindowModified());

    ModalDriver driver;
    driver.onDialog = [](QDialog* d) {
        if (auto* dlg = qobject_cast<CDlgLanguage*>(d)) {
            dlg->combo()->setCurrentIndex(1);
            dlg->accept();
        }
    };
    app->language();
    EXPECT_EQ(settings->languageIndex(), 1);
    for (std::size_t i = 0; i < misc.size(); ++i)
        EXPECT_EQ(store->misc.u8(i), misc.u8(i)) << "misc byte " << i;
    EXPECT_TRUE(driver.messages.isEmpty());  // nothing to confirm: nothing is lost
    EXPECT_EQ(store->channels[2].record.u8(17), 0x5C);
    EXPECT_EQ(store->misc, misc);
    EXPECT_EQ(store->channels.size(), channels);
    EXPECT_TRUE(f.isWindowModified());
    ASSERT_EQ(f.childFrames().size(), 1);
    CChildFrame* reopened = f.childFrames().front();
    EXPECT_EQ(reopened->commandId(), TreeId::kMisc);
    EXPECT_EQ(reopened->windowTitle(), f.tree()->findFirst(TreeId::kMisc)->text(0));
    EXPECT_EQ(f.tree()->itemsWithId(TreeId::kChannel).size(), channels);
}

// The built-in simulated radio is a factory radio of the current model and
// range, and keeps what is written to it.
TEST_F(GuiFixture, SimulatedRadioHoldsTheFactoryCodeplugAndKeepsWrites)
{
    startProgram();
    app->host().setPortDevice("sim");
    const ModelValues model = settings->model();
    ModalDriver driver;
    app->readFromRadio();
    EXPECT_EQ(driver.messages.back().toStdString(), settings->message(MsgId::kRadioReadDone));
    EXPECT_EQ(settings->modelId(), model.modelId);
    EXPECT_EQ(settings->freqRange(), model.freqRange);
    CCodeplugData factory;
    factory.loadDefaults(model);
    EXPECT_EQ(store->channels.size(), factory.channels.size());
    EXPECT_EQ(store->channels[0].record, factory.channels[0].record);
    EXPECT_EQ(app->document().validate(), 0u);  // Save and Write accept it

    store->channels[1].record.setU8(17, 0x4D);
    app->writeToRadio();
    EXPECT_EQ(driver.messages.back().toStdString(), settings->message(MsgId::kRadioWriteDone));
    store->channels[1].record.setU8(17, 0x00);
    app->document().noteEdit();
    driver.saveAnswer = QMessageBox::Discard;
    app->readFromRadio();
    EXPECT_EQ(store->channels[1].record.u8(17), 0x4D);
    EXPECT_FALSE(app->frame().isWindowModified());
}

// Write Tune Data replaces the radio's factory tuning: it asks first,
// naming the model and the codeplug, and Cancel sends nothing.
TEST_F(GuiFixture, WriteTuneDataAsksFirst)
{
    startProgram();
    SimRadio& sim = radio();
    const QString kept = dir.filePath("tune.qav");
    ASSERT_TRUE(app->document().saveAs(kept.toStdString(), ""));
    ModalDriver driver;
    driver.cancelTransfers = true;
    app->writeTuneData();
    ASSERT_EQ(driver.progressTexts.size(), 1);
    EXPECT_TRUE(driver.progressTexts.front().contains(QString::fromStdString(settings->modelName())));
    EXPECT_TRUE(driver.progressTexts.front().contains(kept));
    EXPECT_TRUE(sim.log().empty());
}
