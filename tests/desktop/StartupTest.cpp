#include "GuiFixture.h"
#include "desktop/AppOptions.h"
#include "desktop/CHelpViewer.h"
#include "frame/CFrameMenus.h"
#include "frame/CMainFrame.h"
#include "frame/CNavigationTree.h"
#include "frame/FrameIds.h"

#include <QAction>
#include <QMenu>
#include <QProcess>
#include <QWindow>
#include <QTextStream>

TEST(AppOptions, CommandLine)
{
    struct Case {
        QStringList args;
        bool splash;
        QString home, file;
        bool error;
    };
    const Case cases[] = {
        {{"qav-cps"}, true, "", "", false},
        {{"qav-cps", "--no-splash", "a.qav"}, false, "", "a.qav", false},
        {{"qav-cps", "--home", "/opt/q", "b.qav"}, true, "/opt/q", "b.qav", false},
        {{"qav-cps", "--home=/x"}, true, "/x", "", false},
        {{"qav-cps", "--home"}, true, "", "", true},
        {{"qav-cps", "--bogus"}, true, "", "", true},
        {{"qav-cps", "a.qav", "b.qav"}, true, "", "a.qav", true},
        // --help and --version are no errors, even beside a wrong option.
        {{"qav-cps", "--bogus", "--help"}, true, "", "", false},
        {{"qav-cps", "--version"}, true, "", "", false},
        {{"qav-cps", "--print-pdf", "a.qav", "a.pdf", "--sections", "channels"}, true, "", "a.qav", false},
        {{"qav-cps", "--print-pdf", "a.qav"}, true, "", "", true},
        {{"qav-cps", "--sections", "channels", "a.qav"}, true, "", "a.qav", true},
    };
    for (const Case& c : cases) {
        const AppOptions o = AppOptions::parse(c.args);
        EXPECT_EQ(o.splash, c.splash) << c.args.join(' ').toStdString();
        EXPECT_EQ(o.home, c.home);
        EXPECT_EQ(o.file, c.file);
        EXPECT_EQ(!o.error.isEmpty(), c.error) << c.args.join(' ').toStdString();
    }
}

// The program itself, without a display: --help and --version answer and
// end with status 0.
TEST(AppOptions, HelpAndVersionWorkWithoutADisplay)
{
    struct Case {
        QStringList args;
        int status;
        QString out;
    };
    const Case cases[] = {
        {{"--help"}, 0, "usage: qav-cps"},
        {{"-h"}, 0, "--no-splash"},
        {{"--version"}, 0, "qav-cps 1."},
    };
    for (const Case& c : cases) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        p.setProcessEnvironment(env);
        p.start(QString(QAV_BIN_DIR) + "/qav-cps", c.args);
        ASSERT_TRUE(p.waitForFinished(20000)) << c.args.join(' ').toStdString();
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), c.status) << c.args.join(' ').toStdString();
        EXPECT_TRUE(QString::fromLocal8Bit(p.readAllStandardOutput()).contains(c.out)) << c.args.join(' ').toStdString();
    }
}

TEST(HelpFolder, FollowsTheLanguage)
{
    EXPECT_EQ(helpFolderFor("/p/", "QAV.hlp", 0), "/p/help/QAV_E");
    EXPECT_EQ(helpFolderFor("/p/", "QAV.hlp", 1), "/p/help/QAV_S");
    EXPECT_EQ(helpFolderFor("/p/", "QAV.hlp", 2), "/p/help/QAV_E");
    EXPECT_EQ(helpFolderFor("/p/", "QAV_S.chm", 1), "/p/help/QAV_S");
    // The language index decides, not the suffix the name came with.
    EXPECT_EQ(helpFolderFor("/p/", "QAV_S.chm", 2), "/p/help/QAV_E");
    EXPECT_EQ(helpFolderFor("/p/", "QAV_S.chm", 0), "/p/help/QAV_E");
    EXPECT_EQ(helpFolderFor("/p/", "QAV_E.chm", 1), "/p/help/QAV_S");
    EXPECT_EQ(helpFolderFor("/p/", "", 0), "/p/help/QAV_E");
}

TEST(HelpViewer, ShowsTheFirstContextWithAPage)
{
    CHelpViewer viewer;
    viewer.setHelpFolder(QString(QAV_DATA_DIR) + "/help/QAV_E");
    EXPECT_TRUE(viewer.showContext({1070}).endsWith("/1070.html"));
    EXPECT_TRUE(viewer.showContext({999999, 150}).endsWith("/150.html"));
    EXPECT_TRUE(viewer.showContext({999999}).endsWith("/index.html"));
    viewer.setHelpFolder("/nonexistent");
    EXPECT_TRUE(viewer.showContext({1070}).isEmpty());
}

TEST_F(GuiFixture, StartsWithTheLanguageFileTexts)
{
    startProgram();
    CMainFrame& f = app->frame();
    EXPECT_EQ(f.windowHandle()->title().toStdString(), settings->caption(128));
    EXPECT_EQ(f.menus()->menu(0)->title().toStdString(), settings->caption(32790));
    EXPECT_EQ(f.menus()->action(Cmd::kReadRadio)->text().toStdString(), settings->caption(Cmd::kReadRadio));
    EXPECT_EQ(f.tree()->rootItem()->text(0).toStdString(), settings->modelName());
    EXPECT_EQ(app->splashPicture(), dir.path() + "/splash_E.jpg");
}

TEST_F(GuiFixture, MissingTextsKeepTheBuiltInOnes)
{
    // A language file without the texts of Read from Radio and the File menu.
    startProgram([](const QString& home) {
        editFile(home + "/QAV_E.lng", [](const QString& text) {
            QStringList kept;
            for (const QString& line : text.split('\n'))
                if (!line.startsWith("S0232773=") && !line.startsWith("S0232790=")) kept << line;
            return kept.join('\n');
        });
    });
    CMainFrame& f = app->frame();
    EXPECT_EQ(f.menus()->action(Cmd::kReadRadio)->text(), "&Read from Radio");
    EXPECT_EQ(f.menus()->menu(0)->title(), "&File");
    EXPECT_EQ(f.menus()->action(Cmd::kWriteRadio)->text().toStdString(), settings->caption(Cmd::kWriteRadio));
}

TEST_F(GuiFixture, LanguageSwitchRelabelsEverything)
{
    startProgram();
    settings->selectLanguage(1);
    app->frame().refreshAll();
    CMainFrame& f = app->frame();
    EXPECT_EQ(f.menus()->menu(0)->title().toStdString(), settings->caption(32790));
    EXPECT_EQ(f.windowHandle()->title().toStdString(), settings->caption(128));
    EXPECT_EQ(f.tree()->findFirst(TreeId::kRadio)->text(0).toStdString(), settings->caption(TreeId::kRadio));
    EXPECT_EQ(app->splashPicture(), dir.path() + "/splash_S.jpg");
    EXPECT_TRUE(app->helpFolder().endsWith("help/QAV_S"));
    EXPECT_NE(settings->caption(32790), "&File");
}
