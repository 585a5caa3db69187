#include "GuiFixture.h"
#include "frame/CChildFrame.h"
#include "frame/CDlgModelInfo.h"
#include "frame/CLogBar.h"
#include "frame/CMainFrame.h"
#include "frame/CNavigationTree.h"
#include "frame/FrameIds.h"
#include "frame/LangText.h"
#include "model/CodeplugFile.h"
#include "settings/TextIds.h"

#include <QFileDialog>

#include <QComboBox>
#include <algorithm>

namespace {

constexpr int kPaneModel = 59143;
constexpr int kPaneRange = 59144;

std::vector<std::uint32_t> modeCommands(const SimRadio& radio)
{
    std::vector<std::uint32_t> modes;
    for (const SimCommand& cmd : radio.log())
        if (cmd.code == "Ma") modes.push_back(cmd.value);
    return modes;
}

}  // namespace

TEST_F(GuiFixture, NewCancelledChangesNothingAndNewBringsTheTreeToTheDefaultFile)
{
    startProgram();
    DocumentService& doc = app->document();
    doc.invalidValues().add({1, 1001, "RX Frequency", "Channel 1"});
    store->channels[0].record.setU8(17, 0x55);

    ModalDriver driver;
    driver.answerNo = true;  // Cancel
    app->newDocument();
    ASSERT_EQ(driver.messages.size(), 1);
    // The codeplug changed: the save question stands for New's own.
    EXPECT_EQ(driver.messages.front().toStdString(), settings->message(MsgId::kReplaceSaveQuestion));
    EXPECT_EQ(driver.icons.front(), QMessageBox::Question);
    EXPECT_EQ(doc.invalidValues().size(), 1u);
    EXPECT_EQ(store->channels[0].record.u8(17), 0x55);

    // A default codeplug with fewer channels than the factory defaults.
    CCodeplugData defaults;
    defaults.loadDefaults(settings->model());
    while (defaults.channels.size() > 3) defaults.deleteChannel(defaults.channels.size() - 1);
    defaults.pack();
    CCodeplugFile file;
    ASSERT_TRUE(file.setHeader(makeCodeplugHeader(settings->model(), "1.04.07")));
    ASSERT_TRUE(file.write(settings->defaultCodeplugPath(), "", defaults.image()));
    const std::size_t before = app->frame().tree()->itemsWithId(TreeId::kChannel).size();
    ASSERT_NE(before, 3u);

    driver.answerNo = false;
    app->newDocument();
    EXPECT_EQ(store->channels.size(), 3u);
    EXPECT_EQ(app->frame().tree()->itemsWithId(TreeId::kChannel).size(), 3u);
    EXPECT_FALSE(doc.invalidValues().hasEntries());
}

TEST_F(GuiFixture, WriteTuneDataConnectsOnceAndSendsOnlyTheTuneData)
{
    startProgram();
    SimRadio& sim = radio();
    SimRadio::Memory blank{};
    sim.setMemory(blank);
    for (std::size_t i = 0; i < store->tuneData.size(); ++i)
        store->tuneData.data()[i] = static_cast<std::uint8_t>(i * 7 + 1);
    app->frame().openView(TreeId::kRadio, "radio");
    sim.clearLog();

    ModalDriver driver;
    app->writeTuneData();
    ASSERT_FALSE(driver.messages.isEmpty());
    EXPECT_EQ(driver.messages.back().toStdString(), settings->message(MsgId::kTuneDataWritten));
    EXPECT_EQ(modeCommands(sim), (std::vector<std::uint32_t>{3, 1}));
    const SimRadio::Memory written = sim.memory();
    EXPECT_TRUE(std::equal(written.begin() + 5667, written.begin() + 6199, store->tuneData.data()));
    EXPECT_EQ(std::count(written.begin(), written.begin() + 5667, 0), 5667);
    EXPECT_EQ(std::count(written.begin() + 6199, written.end(), 0), static_cast<long>(written.size() - 6199));
    EXPECT_TRUE(app->frame().childFrames().isEmpty());
}

TEST_F(GuiFixture, ReadRefusedOrCancelledLeavesTheProgramAsItWas)
{
    struct Case {
        const char* name;
        const char* productId;    // what the radio reports
        const char* password;     // the radio asks for it
        const char* typed;        // "" cancels the password dialog
        std::vector<int> messages;
        int passwordsAsked;
    };
    const Case cases[] = {
        {"another model", "QAV999", "", "", {MsgId::kRadioModelMismatch}, 0},
        {"password cancelled", nullptr, "1234", "", {}, 1},
        {"wrong password three times", nullptr, "1234", "9999",
         {MsgId::kRadioWrongPassword, MsgId::kRadioWrongPassword, MsgId::kRadioWrongPassword}, 3},
    };
    startProgram();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimRadio& sim = radio();
        SimIdentity id = sim.identity();
        if (c.productId) id.productId = c.productId;
        id.lowEdge = 13600000;  // another band than the program's 400-470
        id.highEdge = 17400000;
        sim.setIdentity(id);
        sim.setPassword(c.password);
        app->frame().setDocumentPath("/tmp/kept.qav");
        store->pack();
        const CCodeplugData::Image image = store->image();
        const ModelValues model = settings->model();

        ModalDriver driver;
        driver.password = c.typed;
        app->readFromRadio();
        QStringList expected;
        for (int m : c.messages) expected << QString::fromStdString(settings->message(m));
        EXPECT_EQ(driver.messages, expected);
        EXPECT_EQ(driver.passwordsAsked, c.passwordsAsked);
        EXPECT_EQ(store->image(), image);
        EXPECT_EQ(settings->modelId(), model.modelId);
        EXPECT_EQ(settings->freqRange(), model.freqRange);
        EXPECT_EQ(app->frame().statusPaneText(kPaneRange).toStdString(), model.freqRange + " MHz");
        EXPECT_TRUE(app->frame().windowTitle().contains("kept.qav"));
    }
}

TEST_F(GuiFixture, ModelInformationChangesOnlyWhatWasConfirmed)
{
    struct Case {
        const char* name;
        const char* pick;  // model name chosen in the dialog; nullptr keeps it
        bool ok;           // OK, else Cancel
        bool yes;          // answer to the replace question
        bool asked;        // the replace question came
        const char* modelId;
        const char* modelName;
        const char* range;
        bool editorsClosed;
    };
    const Case cases[] = {
        {"nothing changed", nullptr, true, true, false, "QAV410", "QAV-410", "400-470", false},
        {"cancelled after another model", "QAV-420", false, true, false, "QAV410", "QAV-410", "400-470", false},
        {"another name of the model", "QAV-410S", true, true, false, "QAV410", "QAV-410S", "400-470", true},
        {"another model refused", "QAV-420", true, false, true, "QAV410", "QAV-410", "400-470", false},
        {"another model confirmed", "QAV-420", true, true, true, "QAV420", "QAV-420", "136-174", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app.reset();
        startProgram();
        app->frame().openView(TreeId::kRadio, "radio");
        const int flagBefore = settings->modelFlag(CDlgModelInfo::kSignalCombo);

        ModalDriver driver;
        driver.answerNo = !c.yes;
        driver.onDialog = [&](QDialog* d) {
            auto* dlg = qobject_cast<CDlgModelInfo*>(d);
            if (!dlg) return;
            if (c.pick) dlg->nameCombo()->setCurrentIndex(dlg->nameCombo()->findText(c.pick));
            if (c.ok)
                dlg->accept();
            else
                dlg->reject();
        };
        app->modelInformation();
        EXPECT_EQ(driver.messages.size(), c.asked ? 1 : 0);
        if (c.asked) {
            EXPECT_EQ(driver.messages.front().toStdString(), settings->message(MsgId::kNewConfirm));
            EXPECT_EQ(driver.icons.front(), QMessageBox::Question);
        }
        EXPECT_EQ(settings->modelId(), c.modelId);
        EXPECT_EQ(settings->modelName(), c.modelName);
        EXPECT_EQ(settings->freqRange(), c.range);
        EXPECT_EQ(app->frame().childFrames().isEmpty(), c.editorsClosed);
        EXPECT_EQ(app->frame().tree()->rootItem()->text(0).toStdString(), c.modelName);
        EXPECT_EQ(app->frame().statusPaneText(kPaneModel).toStdString(), c.modelName);
        if (std::string(c.modelId) == "QAV410") {
            EXPECT_EQ(settings->modelFlag(CDlgModelInfo::kSignalCombo), flagBefore);
        }
    }
}

TEST_F(GuiFixture, WriteToRadioKeepsEveryRecordButTheRadioInformationAndItsEditor)
{
    startProgram();
    SimRadio& sim = radio();
    CChildFrame* editor = app->frame().openView(TreeId::kRadio, "radio");
    ASSERT_NE(editor, nullptr);
    const void* channel = &store->channels[0];
    const void* personality = &store->personalities[0];
    const std::size_t channels = store->channels.size();

    ModalDriver driver;
    app->writeToRadio();
    ASSERT_FALSE(driver.messages.isEmpty());
    EXPECT_EQ(driver.messages.back().toStdString(), settings->message(MsgId::kRadioWriteDone));
    EXPECT_EQ(&store->channels[0], channel);
    EXPECT_EQ(&store->personalities[0], personality);
    EXPECT_EQ(store->channels.size(), channels);
    EXPECT_EQ(app->frame().childFrames(), QList<CChildFrame*>{editor});
    // The radio information section holds the stamp the radio got.
    const SimRadio::Memory written = sim.memory();
    EXPECT_TRUE(std::equal(written.begin() + 32, written.begin() + 40, store->radioInfo.data() + 16));
}

TEST_F(GuiFixture, WriteRefusedSendsNothing)
{
    struct Case {
        const char* name;
        const char* modelName;  // "" the current one
        std::uint32_t low, high;  // the radio's band, 10 Hz
        int message;
        QString argument;
    };
    const Case cases[] = {
        {"radio of another band", "", 13600000, 17400000, MsgId::kRadioRangeOutside, "136-174"},
        {"radio band narrower than the codeplug's", "", 41000000, 47000000, MsgId::kRadioRangeOutside, "410-470"},
        {"another model name", "QAV-410S", 40000000, 47000000, MsgId::kRadioModelMismatch, ""},
    };
    startProgram();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimRadio& sim = radio();
        SimIdentity id = sim.identity();
        if (*c.modelName) id.modelName = c.modelName;
        id.lowEdge = c.low;
        id.highEdge = c.high;
        sim.setIdentity(id);
        sim.clearLog();
        const std::string firmware = settings->firmwareVersion();

        ModalDriver driver;
        app->writeToRadio();
        const QString expected =
            LangText::format(QString::fromStdString(settings->message(c.message)), {c.argument});
        EXPECT_EQ(driver.messages, QStringList{expected});
        for (const SimCommand& cmd : sim.log()) {
            EXPECT_NE(cmd.code, "Ea");
        }
        EXPECT_TRUE(modeCommands(sim).empty());
        if (c.message == MsgId::kRadioModelMismatch) {
            EXPECT_EQ(settings->firmwareVersion(), firmware);
        }
    }
}

// A channel list that cannot be imported is refused in a box with the
// program's title, like every other message of the program.
TEST_F(GuiFixture, ARefusedChannelImportIsSaidUnderTheProgramsTitle)
{
    startProgram();
    const QString bad = dir.filePath("bad.csv");
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x\"y,\"\n\x01\x02");
    f.close();
    ModalDriver driver;
    driver.onDialog = [&](QDialog* d) {
        if (auto* files = qobject_cast<QFileDialog*>(d)) {
            files->selectFile(bad);
            QMetaObject::invokeMethod(files, "accept");
        }
    };
    app->frame().runCommand(Cmd::kImportChannels);
    ASSERT_EQ(driver.titles.size(), 1) << driver.messages.join('\n').toStdString();
    EXPECT_EQ(driver.titles.front().toStdString(), settings->caption(128));
}
