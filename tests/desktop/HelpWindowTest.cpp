// F1 in a modal dialog shows the dialog's own topic, and the help window
// takes clicks while that dialog is open; afterwards it belongs to the main
// window again.
#include "GuiFixture.h"

#include "desktop/CHelpViewer.h"
#include "frame/CDlgModelInfo.h"
#include "frame/CMainFrame.h"
#include "frame/FrameIds.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

TEST_F(GuiFixture, F1InAModalDialogShowsItsTopicInAUsableHelpWindow)
{
    startProgram();
    app->frame().show();
    QString pageFromF1, pageAfterClick;
    QWidget* helpParentDuringDialog = nullptr;
    bool ran = false;
    QTimer::singleShot(50, [&] {
        auto* dlg = qobject_cast<CDlgModelInfo*>(QApplication::activeModalWidget());
        if (!dlg) return;
        ran = true;
        QApplication::setActiveWindow(dlg);
        auto* combo = dlg->findChild<QComboBox*>();
        combo->setFocus();
        QApplication::processEvents();
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : combo, Qt::Key_F1);
        pageFromF1 = app->helpViewer().currentPage();
        helpParentDuringDialog = app->helpViewer().parentWidget();
        // A real click on the help window's Contents button, through the
        // window system's input path that a modal dialog blocks.
        auto* contents = app->helpViewer().findChild<QPushButton*>("helpContents");
        if (contents) QTest::mouseClick(contents, Qt::LeftButton);
        pageAfterClick = app->helpViewer().currentPage();
        dlg->reject();
    });
    app->frame().runCommand(Cmd::kModelInfo);
    ASSERT_TRUE(ran) << "the Model Information dialog did not open";
    EXPECT_TRUE(pageFromF1.endsWith("/1070.html")) << pageFromF1.toStdString();
    EXPECT_TRUE(pageAfterClick.endsWith("/index.html")) << pageAfterClick.toStdString();
    EXPECT_NE(helpParentDuringDialog, &app->frame());
    // The dialog is gone; the help window was not taken with it.
    QApplication::processEvents();
    EXPECT_EQ(app->helpViewer().parentWidget(), &app->frame());
    EXPECT_TRUE(app->helpViewer().isVisible());
}
