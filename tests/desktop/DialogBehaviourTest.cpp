#include "GuiFixture.h"
#include "desktop/GuiPrompt.h"
#include "frame/CDlgModelInfo.h"
#include "frame/FakeFrameHost.h"

#include <QComboBox>
#include <QPushButton>

TEST_F(GuiFixture, ModelInformationChoicesFollowTheChosenModel)
{
    startProgram();
    struct Case {
        const char* pick;
        ModelChoice expected;  // signal: the current one
        QStringList ranges;
        bool signalEnabled;
        bool rangeValues;      // the range items still carry their band flags
    };
    const int signal = settings->signal();
    const QStringList ranges410{"136-174", "400-470", "350-390"};
    const Case cases[] = {
        {"QAV-410", {"QAV410", "QAV-410", "400-470", signal}, ranges410, true, true},
        {"QAV-410S", {"QAV410", "QAV-410S", "400-470", signal}, ranges410, true, true},
        {"QAV-420", {"QAV420", "QAV-420", "136-174", signal}, {"136-174", "400-470", "450-520"}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pick);
        CDlgModelInfo dlg(app->host(), *settings);
        EXPECT_EQ(dlg.nameCombo()->currentText().toStdString(), settings->modelName());
        EXPECT_EQ(dlg.rangeCombo()->currentText().toStdString(), settings->freqRange());
        dlg.nameCombo()->setCurrentIndex(dlg.nameCombo()->findText(c.pick));
        EXPECT_EQ(dlg.choice(), c.expected);
        QStringList shown;
        for (int i = 0; i < dlg.rangeCombo()->count(); ++i) shown << dlg.rangeCombo()->itemText(i);
        EXPECT_EQ(shown, c.ranges);
        EXPECT_EQ(dlg.rangeCombo()->currentText().toStdString(), c.expected.freqRange);
        EXPECT_EQ(dlg.rangeCombo()->itemData(0).isValid(), c.rangeValues);
        EXPECT_EQ(dlg.signalCombo()->isEnabled(), c.signalEnabled);
        // A range picked afterwards is the one confirmed.
        dlg.rangeCombo()->setCurrentIndex(2);
        EXPECT_EQ(dlg.choice().freqRange, c.ranges[2].toStdString());
        // Choosing never touches the program's current model.
        EXPECT_EQ(settings->modelId(), "QAV410");
    }
}

TEST(GuiPromptDetails, ArgumentsTheTextHasNoPlaceForAreShownBelowIt)
{
    FakeFrameHost host;
    host.messages = {{803, "The codeplug file could not be saved."},
                     {818, "Radio firmware version %s is not supported."},
                     {1138, "Read failed at %d (100%%)."}};
    GuiPrompt prompt(host, nullptr);
    struct Case {
        Outcome outcome;
        QString text, details;
    };
    const Case cases[] = {
        {Outcome::failure(803, {"/data/a.qav", "Permission denied"}), "The codeplug file could not be saved.",
         "/data/a.qav\nPermission denied"},
        {Outcome::failure(818, {"2.00"}), "Radio firmware version 2.00 is not supported.", ""},
        {Outcome::failure(1138, {"4096"}), "Read failed at 4096 (100%).", ""},
        {Outcome::failure(803, {"", "disk full"}), "The codeplug file could not be saved.", "disk full"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(prompt.text(c.outcome), c.text);
        EXPECT_EQ(prompt.details(c.outcome), c.details);
    }
}

TEST_F(GuiFixture, ModelWithoutRangesCannotBeConfirmed)
{
    // A model database listing a model whose ranges are missing.
    startProgram([](const QString& home) {
        editFile(home + "/Model.dat", [](QString text) {
            text.replace("ModelID=QAV410,QAV420", "ModelID=QAV410,QAV420,QAV430");
            return text.replace("QAV420=QAV-420", "QAV420=QAV-420\nQAV430=QAV-430");
        });
    });
    CDlgModelInfo dlg(app->host(), *settings);
    EXPECT_TRUE(dlg.okButton()->isEnabled());
    const struct {
        const char* pick;
        bool ok;
    } steps[] = {{"QAV-430", false}, {"QAV-420", true}, {"QAV-430", false}, {"QAV-410S", true}};
    for (const auto& s : steps) {
        dlg.nameCombo()->setCurrentIndex(dlg.nameCombo()->findText(s.pick));
        EXPECT_EQ(dlg.okButton()->isEnabled(), s.ok) << s.pick;
        EXPECT_EQ(dlg.rangeCombo()->count() > 0, s.ok) << s.pick;
    }
}
