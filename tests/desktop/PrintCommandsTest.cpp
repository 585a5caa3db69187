// The printing commands of the running program: enabled, and printing what
// the open editors show.
#include "GuiFixture.h"
#include "app/ReportSections.h"
#include "frame/CChildFrame.h"
#include "frame/CFrameMenus.h"
#include "frame/CMainFrame.h"
#include "frame/CRecordNavBar.h"
#include "frame/FrameIds.h"
#include "print/CReportPrinter.h"

#include <QAction>
#include <QPushButton>

TEST_F(GuiFixture, PrintCommandsAreEnabled)
{
    startProgram();
    CMainFrame& f = app->frame();
    for (int id : {Cmd::kPrint, Cmd::kPrintPreview, Cmd::kPrintSetup, Cmd::kExportPdf})
        EXPECT_TRUE(f.menus()->action(id)->isEnabled()) << id;
    CChildFrame* child = f.openView(TreeId::kChannel, "Channel 1");
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(child->navBar()->button(NavBarId::kPrint)->isEnabled());
}

TEST_F(GuiFixture, TheReportIsTheOpenCodeplugInTheProgramsLanguage)
{
    startProgram(GuiFixture::useChinese);
    const std::optional<PrintJob> job = app->reportPrinter().makeJob({ReportSectionId::kChannels});
    ASSERT_TRUE(job);
    EXPECT_EQ(job->rows[0].texts[1], "信道");
    EXPECT_EQ(job->pageFormat, "第 %d 页，共 %d 页");
    // No file yet: the program's caption stands in the header.
    EXPECT_EQ(job->title, QString::fromStdString(settings->caption(128)));
    EXPECT_EQ(job->rows.size(), 2 + 3 + store->channels.size() + 1);
}
