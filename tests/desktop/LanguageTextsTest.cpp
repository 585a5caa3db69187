// The program in Chinese: every text a window shows comes from the Chinese
// language file or from the toolkit's Chinese translations, so no English
// word is left in the program's own windows, its dialogs, Qt's message box
// buttons and Qt's file dialog; and the toolkit follows a language switch.
#include "GuiFixture.h"

#include "desktop/CDlgAbout.h"
#include "desktop/CHelpViewer.h"
#include "frame/CChildFrame.h"
#include "frame/CDlgComPort.h"
#include "frame/CDlgFile.h"
#include "frame/CDlgLanguage.h"
#include "frame/CDlgModelInfo.h"
#include "frame/CMainFrame.h"
#include "frame/FrameIds.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabBar>
#include <QTreeWidget>

namespace {

// Words that are the same in every language: units, signalling names,
// port names, key names, parts of paths, and the name of the English
// language itself.
const QStringList kUniversal = {"COM",  "MHz", "CTCSS", "CDCSS", "VOX", "DTMF", "QFX", "ATIS", "PTT",  "QAV", "DOS",
                                "qav",  "Ctrl", "Shift", "Alt",  "Del", "Esc",  "dev", "ttyUSB", "tmp", "English", "PDF", "CSV"};

QStringList englishWords(const QString& text)
{
    QStringList out;
    static const QRegularExpression kWord("[A-Za-z]{3,}");
    for (auto it = kWord.globalMatch(text); it.hasNext();) {
        const QString w = it.next().captured();
        if (!kUniversal.contains(w)) out << w;
    }
    return out;
}

void addMenuTexts(const QMenu* menu, QStringList& texts)
{
    texts << menu->title();
    for (QAction* a : menu->actions()) {
        texts << a->text() << a->toolTip() << a->statusTip();
        if (a->menu()) addMenuTexts(a->menu(), texts);
    }
}

// Everything a window shows in words: titles, labels, buttons, tips, list
// items and column headers.
QStringList shownTexts(const QWidget* root)
{
    QStringList texts{root->windowTitle()};
    for (const QWidget* w : root->findChildren<QWidget*>()) {
        texts << w->toolTip();
        if (w->isWindow() || qobject_cast<const QDockWidget*>(w)) texts << w->windowTitle();
        if (auto* l = qobject_cast<const QLabel*>(w)) texts << l->text();
        if (auto* b = qobject_cast<const QAbstractButton*>(w)) texts << b->text();
        if (auto* g = qobject_cast<const QGroupBox*>(w)) texts << g->title();
        if (auto* e = qobject_cast<const QLineEdit*>(w)) texts << e->placeholderText();
        if (auto* c = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i) texts << c->itemText(i);
        if (auto* t = qobject_cast<const QTabBar*>(w))
            for (int i = 0; i < t->count(); ++i) texts << t->tabText(i);
        if (auto* h = qobject_cast<const QHeaderView*>(w); h && h->model())
            for (int i = 0; i < h->count(); ++i) texts << h->model()->headerData(i, h->orientation()).toString();
        if (auto* mb = qobject_cast<const QMenuBar*>(w))
            for (QAction* a : mb->actions())
                if (a->menu()) addMenuTexts(a->menu(), texts);
        if (auto* tree = qobject_cast<const QTreeWidget*>(w))
            for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree)); *it; ++it) texts << (*it)->text(0);
    }
    return texts;
}

void expectChinese(const char* window, const QWidget* root)
{
    for (const QString& text : shownTexts(root)) {
        const QStringList words = englishWords(text);
        EXPECT_TRUE(words.isEmpty()) << window << ": \"" << text.toStdString() << "\"";
    }
}

}  // namespace

TEST_F(GuiFixture, EveryWindowSpeaksChinese)
{
    startProgram(GuiFixture::useChinese);
    ASSERT_EQ(settings->languageIndex(), 1);
    CMainFrame& frame = app->frame();
    frame.show();
    for (int id : {TreeId::kRadio, TreeId::kMisc, TreeId::kPassword, TreeId::kScan, TreeId::kKeys,
                   ViewCommand::kAlertTone, ViewCommand::kTwoToneSystem, ViewCommand::kTwoToneCall, ViewCommand::kPttId, ViewCommand::kDos,
                   ViewCommand::kAtis})
        frame.openView(id, "x");
    frame.logBar()->show();
    frame.invalidBar()->show();
    expectChinese("main window", &frame);

    const IFrameHost& host = app->host();
    CDlgAbout about(host, QString::fromStdString(settings->languageName()));
    expectChinese("About", &about);
    CDlgComPort port(host, {}, {1, {}});
    expectChinese("Communication Port", &port);
    CDlgModelInfo model(host, *settings);
    expectChinese("Model Information", &model);
    CDlgLanguage language(host, settings->language().listNames(CDlgLanguage::kCombo));
    expectChinese("Language", &language);
    CDlgInputPassword password(host);
    expectChinese("Radio Password", &password);
    for (auto mode : {CDlgCommProgress::Mode::Read, CDlgCommProgress::Mode::Write}) {
        CDlgCommProgress progress(host, mode, [](std::function<void(int)>) { return TransferResult{}; });
        expectChinese("progress", &progress);
    }
    app->showHelp({0});
    expectChinese("help", &app->helpViewer());

    // The toolkit's own windows.
    QMessageBox box(QMessageBox::Question, "t", "q", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    expectChinese("message box", &box);
    CDlgFile open(host, CDlgFile::Mode::Open, dir.path());
    open.show();
    QApplication::processEvents();
    expectChinese("file dialog", &open);
}

TEST_F(GuiFixture, TheToolkitsTextsFollowTheLanguage)
{
    startProgram(GuiFixture::useChinese);
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    EXPECT_EQ(cancel(), QString::fromUtf8("取消"));

    // Model > Language, to English and back.
    for (int index : {0, 1}) {
        ModalDriver driver;
        driver.onDialog = [index](QDialog* d) {
            if (auto* dlg = qobject_cast<CDlgLanguage*>(d)) {
                dlg->findChild<QComboBox*>()->setCurrentIndex(index);
                dlg->accept();
            }
        };
        app->frame().runCommand(Cmd::kLanguage);
        EXPECT_EQ(settings->languageIndex(), index);
        EXPECT_EQ(cancel(), index == 0 ? QString("Cancel") : QString::fromUtf8("取消")) << index;
    }
}

// A window titled after a menu command shows the command's words without
// its mnemonic: "调试", not "调试(A)".
TEST_F(GuiFixture, TitlesTakenFromCommandsCarryNoMnemonic)
{
    startProgram(GuiFixture::useChinese);
    static const QRegularExpression mnemonic(QStringLiteral("\\(.\\)|&"));
    ModalDriver driver;
    driver.cancelTransfers = true;
    QStringList titles;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QWidget* w = QApplication::activeModalWidget(); w && !titles.contains(w->windowTitle()))
            titles << w->windowTitle();
    });
    watch.start(2);
    app->frame().runCommand(Cmd::kAdjustment);
    watch.stop();
    ASSERT_FALSE(titles.isEmpty());
    for (const QString& t : titles) EXPECT_FALSE(t.contains(mnemonic)) << t.toStdString();
}
