// Every editor, in both languages, answers help with a page about itself
// rather than the contents page, and every link between the pages leads to
// a page of the same language.
#include "GuiFixture.h"

#include "desktop/CDlgAbout.h"
#include "desktop/CHelpViewer.h"
#include "frame/CChildFrame.h"
#include "frame/CDlgBackups.h"
#include "frame/CDlgComPort.h"
#include "frame/CDlgCommProgress.h"
#include "frame/CDlgFactoryMode.h"
#include "frame/CDlgFile.h"
#include "frame/CDlgInputPassword.h"
#include "frame/CDlgLanguage.h"
#include "frame/CDlgModelInfo.h"
#include "frame/CDlgTuneSubItem.h"
#include "frame/CDlgTuning.h"
#include "frame/CDlgWriteSeveral.h"
#include "frame/CMainFrame.h"
#include "frame/FrameIds.h"
#include "frame/NavigationTable.h"
#include "frame/ViewBridge.h"
#include "print/CDlgPrintTree.h"
#include "views/EditorRegistry.h"
#include "views/ViewIds.h"

#include <QComboBox>
#include <QRegularExpression>

TEST_F(GuiFixture, EveryEditorHasAHelpPageInBothLanguages)
{
    for (int language : {0, 1}) {
        startProgram([language](const QString& home) { useLanguage(home, language); });
        const QString folder = language == 0 ? "/QAV_E/" : "/QAV_S/";
        for (const EditorRow& row : EditorRegistry::rows()) {
            CChildFrame* frame = app->frame().openView(row.commandId, "entry");
            ASSERT_NE(frame, nullptr) << row.commandId;
            // What the record navigation bar's Help button and F1 on the
            // editor's background ask for.
            ASSERT_TRUE(ViewBridge::requestHelp(frame->view())) << row.commandId;
            const QString page = app->helpViewer().currentPage();
            EXPECT_TRUE(page.contains(folder)) << row.viewClass << ": " << page.toStdString();
            EXPECT_FALSE(page.endsWith("/index.html")) << row.viewClass << " shows the contents page";
        }
        app->frame().closeAllWindows();
        app.reset();
        settings.reset();
        store.reset();
    }
}

// The help window open during a language switch shows the same topic in
// the new language, not the old page or the contents.
TEST_F(GuiFixture, AnOpenHelpPageFollowsTheLanguage)
{
    startProgram();
    app->showHelp({ViewCommand::kChannel});
    ASSERT_TRUE(app->helpViewer().currentPage().endsWith("/QAV_E/32822.html"));
    ModalDriver driver;
    driver.onDialog = [](QDialog* d) {
        if (auto* dlg = qobject_cast<CDlgLanguage*>(d)) {
            dlg->findChild<QComboBox*>()->setCurrentIndex(1);
            dlg->accept();
        }
    };
    app->frame().runCommand(Cmd::kLanguage);
    ASSERT_EQ(settings->languageIndex(), 1);
    EXPECT_TRUE(app->helpViewer().currentPage().endsWith("/QAV_S/32822.html"))
        << app->helpViewer().currentPage().toStdString();
}

// F1 in a dialog stops at the dialog: each needs a page of its own, as does
// every entry of the navigation tree.
TEST(HelpPages, EveryDialogAndTreeEntryHasAPageInBothLanguages)
{
    QList<int> ids{CDlgAbout::kTemplate,        CDlgBackups::kHelpId,      CDlgComPort::kTemplate,
                   CDlgCommProgress::kTemplate, CDlgFactoryMode::kTemplate, CDlgFile::kTemplate,
                   CDlgInputPassword::kTemplate, CDlgLanguage::kTemplate,   CDlgModelInfo::kTemplate,
                   CDlgTuneSubItem::kTemplate,  CDlgTuning::kTemplate,     CDlgWriteSeveral::kHelpId,
                   CDlgPrintTree::kTemplate,    FormId::kPasswordEntry};
    for (const TreeRow& row : NavigationTable::tree())
        if (row.treeId > 0) ids << row.treeId;
    for (const char* language : {"help/QAV_E", "help/QAV_S"}) {
        const QDir pages(QDir(QAV_DATA_DIR).filePath(language));
        for (int id : ids) EXPECT_TRUE(pages.exists(QString("%1.html").arg(id))) << language << ": no page " << id;
    }
}

// F1 on a tree entry shows the page of its command, F1 in the editor the
// page of its form: where both exist they must say the same.
TEST(HelpPages, AnEditorsTreePageAndFormPageAgree)
{
    for (const char* language : {"help/QAV_E", "help/QAV_S"}) {
        const QDir pages(QDir(QAV_DATA_DIR).filePath(language));
        auto read = [&pages](int id) {
            QFile f(pages.filePath(QString("%1.html").arg(id)));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        for (const EditorRow& row : EditorRegistry::rows()) {
            const QByteArray tree = read(row.commandId), form = read(row.formId);
            if (tree.isEmpty() || form.isEmpty()) continue;
            EXPECT_EQ(QString::fromUtf8(tree), QString::fromUtf8(form)) << language << " " << row.viewClass;
        }
    }
}

TEST(HelpPages, LinksLeadToPagesOfTheSameFolder)
{
    for (const char* language : {"help/QAV_E", "help/QAV_S"}) {
        const QDir pages(QDir(QAV_DATA_DIR).filePath(language));
        const QStringList names = pages.entryList({"*.html"}, QDir::Files);
        ASSERT_FALSE(names.isEmpty()) << language;
        const QRegularExpression href("href=\"([^\"#]*)");
        for (const QString& name : names) {
            QFile file(pages.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            for (auto it = href.globalMatch(html); it.hasNext();) {
                const QString target = it.next().captured(1);
                if (target.isEmpty()) continue;
                EXPECT_TRUE(QFileInfo::exists(pages.filePath(target)))
                    << language << "/" << name.toStdString() << " links to " << target.toStdString();
            }
            // A Chinese page is written in Chinese: at least one CJK character.
            if (QString(language).endsWith("_S")) {
                EXPECT_TRUE(html.contains(QRegularExpression("[\\x{4e00}-\\x{9fff}]"))) << name.toStdString();
            }
        }
    }
}
