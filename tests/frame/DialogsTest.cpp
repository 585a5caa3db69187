#include "FakeFrameHost.h"
#include "frame/CDlgBackups.h"
#include "frame/CDlgComPort.h"
#include "frame/FrameTextIds.h"
#include "frame/CDlgFile.h"
#include "frame/CDlgInputPassword.h"
#include "frame/CDlgLanguage.h"
#include "model/CodeplugFile.h"
#include "settings/ModelValues.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

TEST(DlgComPort, OffersOpenablePortsADeviceAndTheSimulatedRadio)
{
    FakeFrameHost host;
    host.captions[1021] = "Port 1";
    CDlgComPort::Ports ports;
    ports.available = [](int n) { return n == 1 || n == 3; };
    ports.deviceOf = [](int n) { return n <= 3 ? "/dev/ttyUSB" + std::to_string(n - 1) : std::string(); };
    {
        // The configured port 2 cannot be opened: nothing is selected.
        CDlgComPort dlg(host, ports, {2, {}});
        EXPECT_EQ(dlg.selectedIndex(), -1);
        EXPECT_EQ(dlg.choice(), (PortChoice{0, {}}));
        auto buttons = dlg.findChildren<QRadioButton*>();
        EXPECT_EQ(buttons.front()->text(), "Port 1");
        EXPECT_FALSE(buttons[1]->isEnabled());
    }
    {
        CDlgComPort dlg(host, ports, {3, {}});
        EXPECT_EQ(dlg.selectedIndex(), 2);
        EXPECT_EQ(dlg.choice(), (PortChoice{3, {}}));
    }
    {
        CDlgComPort dlg(host, ports, {1, "sim"});
        EXPECT_EQ(dlg.choice(), (PortChoice{0, "sim"}));
    }
    {
        CDlgComPort dlg(host, ports, {1, {}});
        auto* edit = dlg.findChild<QLineEdit*>("dlgComPortDevice");
        ASSERT_NE(edit, nullptr);
        QTest::keyClicks(edit, "/dev/ttyACM0");
        EXPECT_EQ(dlg.choice(), (PortChoice{0, "/dev/ttyACM0"}));
    }
}

TEST(DlgInputPassword, AcceptsOnlyEightDigits)
{
    FakeFrameHost host;
    CDlgInputPassword dlg(host);
    QTest::keyClicks(dlg.edit(), "12a34b5678999");
    EXPECT_EQ(dlg.password(), "12345678");
}

TEST(DlgLanguage, SelectsTheCurrentLanguage)
{
    FakeFrameHost host;
    host.language = 1;
    host.captions[1037] = "语言";
    CDlgLanguage dlg(host, {"English", "简体中文"});
    EXPECT_EQ(dlg.selectedIndex(), 1);
    EXPECT_EQ(dlg.windowTitle(), "语言");
    host.language = 5;  // an index without a language selects nothing
    CDlgLanguage none(host, {"English"});
    EXPECT_EQ(none.selectedIndex(), -1);
}

TEST(DlgFile, PreviewShowsTheHeaderAndTheInformationText)
{
    QTemporaryDir dir;
    ModelValues model;
    model.modelId = "QAV410";
    model.modelName = "QAV-410";
    model.freqRange = "400-470";
    CCodeplugFile file;
    ASSERT_TRUE(file.setHeader(makeCodeplugHeader(model, "1.04.07")));
    std::array<std::uint8_t, 8192> image{};
    const std::string path = dir.filePath("a.qav").toStdString();
    ASSERT_TRUE(file.write(path, "site 7 spare radio", image).ok);

    FakeFrameHost host;
    CDlgFile dlg(host, CDlgFile::Mode::Open, {});
    dlg.preview(QString::fromStdString(path));
    EXPECT_EQ(dlg.field(CDlgFile::kModelName)->text(), "QAV-410");
    EXPECT_EQ(dlg.field(CDlgFile::kRange)->text(), "400 - 470MHz");
    EXPECT_EQ(dlg.field(CDlgFile::kFirmware)->text(), "1.04.07");
    EXPECT_EQ(dlg.infoEdit()->toPlainText(), "site 7 spare radio");
    EXPECT_TRUE(dlg.infoEdit()->isReadOnly());
    // A file that is no codeplug empties the panel.
    dlg.preview(dir.filePath("missing.qav"));
    EXPECT_TRUE(dlg.field(CDlgFile::kModelName)->text().isEmpty());
    EXPECT_TRUE(dlg.infoEdit()->toPlainText().isEmpty());
}

TEST(DlgFile, SaveModeShowsTheHeaderToBeWrittenAndTakesTheInformationText)
{
    struct Case {
        const char* name;
        const char* modelName;  // as stored in the header
        const char* firmware;
        const char* range;
        QString shownName, shownRange, shownFirmware;
    };
    const Case cases[] = {
        {"plain", "QAV-410", "1.04.07", "400-470", "QAV-410", "400 - 470MHz", "1.04.07"},
        {"blanks after the name", "QAV-410   ", "1.04.07", "136-174", "QAV-410", "136 - 174MHz", "1.04.07"},
        {"long firmware text", "QAV-410", "1.04.07.99", "350-390", "QAV-410", "350 - 390MHz", "1.04.07"},
        {"sixteen-byte name", "QAV-410ABCDEFGHI", "1.03.00", "450-520", "QAV-410ABCDEFGHI", "450 - 520MHz",
         "1.03.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModelValues model;
        model.modelId = "QAV410";
        model.modelName = c.modelName;
        model.freqRange = c.range;
        const CodeplugHeader header = makeCodeplugHeader(model, c.firmware);
        FakeFrameHost host;
        CDlgFile dlg(host, CDlgFile::Mode::Save, "/tmp/x.qav", &header);
        EXPECT_EQ(dlg.field(CDlgFile::kModelName)->text(), c.shownName);
        EXPECT_EQ(dlg.field(CDlgFile::kRange)->text(), c.shownRange);
        EXPECT_EQ(dlg.field(CDlgFile::kFirmware)->text(), c.shownFirmware);
        EXPECT_FALSE(dlg.infoEdit()->isReadOnly());
        EXPECT_TRUE(dlg.informationText().isEmpty());
        dlg.infoEdit()->setPlainText("spare for site 7");
        EXPECT_EQ(dlg.informationText(), "spare for site 7");
    }
}

TEST(DlgBackups, ListsTheBackupsNewestFirstAndOpensTheChosenOne)
{
    FakeFrameHost host;
    host.messages[MsgId::kBackupsColumns] = "When;Way;Serial;Path";
    host.messages[MsgId::kBackupsKinds] = "In;Out";
    host.messages[MsgId::kBackupsNoSerial] = "none";
    const std::vector<BackupEntry> entries = {
        {"/b/20261208-101500_write_SN1.qav", "2026-12-08 10:15:00", "write", "SN1"},
        {"/b/20261208-101000_read_SN1.qav", "2026-12-08 10:10:00", "read", "SN1"},
        {"/b/20261208-100000_read_unknown.qav", "2026-12-08 10:00:00", "read", "unknown"},
    };
    CDlgBackups dlg(host, entries, "/b/");
    ASSERT_EQ(dlg.table()->rowCount(), 3);
    EXPECT_EQ(dlg.table()->horizontalHeaderItem(1)->text(), "Way");
    // The directions and a missing serial number in the window's language.
    EXPECT_EQ(dlg.table()->item(0, 1)->text(), "Out");
    EXPECT_EQ(dlg.table()->item(1, 1)->text(), "In");
    EXPECT_EQ(dlg.table()->item(1, 2)->text(), "SN1");
    EXPECT_EQ(dlg.table()->item(2, 2)->text(), "none");
    EXPECT_EQ(dlg.chosenPath(), "/b/20261208-101500_write_SN1.qav");  // the newest is chosen at first
    dlg.table()->selectRow(1);
    EXPECT_EQ(dlg.chosenPath(), "/b/20261208-101000_read_SN1.qav");

    CDlgBackups none(host, {}, "/nowhere/");
    EXPECT_EQ(none.chosenPath(), "");
    bool said = false;
    for (QLabel* l : none.findChildren<QLabel*>()) said = said || l->text().contains("/nowhere/");
    EXPECT_TRUE(said);
}
