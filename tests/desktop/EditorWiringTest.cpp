// The frame opens the real editors for the entries that have one and hands
// them the store through the editor context.
#include "GuiFixture.h"
#include "desktop/CHelpViewer.h"
#include "controls/ControlId.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "frame/FrameIds.h"
#include "views/CustomFormView.h"
#include "views/ViewIds.h"

#include <QDialog>
#include <QTest>

TEST_F(GuiFixture, TreeEntriesOpenTheirEditorsOnTheStore)
{
    startProgram();
    struct Case {
        int commandId;
        int templateId;  // 0: no editor in this build yet
    };
    const Case cases[] = {
        {TreeId::kRadio, FormId::kRadio},
        {TreeId::kMisc, FormId::kMisc},
        {TreeId::kPassword, FormId::kPassword},
        {TreeId::kKeys, FormId::kKeys},
        {ViewCommand::kAlertTone, FormId::kAlertTone},
        {ViewCommand::kTwoToneSystem, FormId::kTwoToneSystem},
        {ViewCommand::kTwoToneCall, FormId::kTwoToneCall},
        {ViewCommand::kPttId, FormId::kPttId},
        {ViewCommand::kDos, FormId::kDos},
        {ViewCommand::kAtis, FormId::kAtis},
        {TreeId::kTestFreq, FormId::kTestFreq},
    };
    for (const Case& c : cases) {
        CChildFrame* frame = app->frame().openView(c.commandId, "entry");
        ASSERT_NE(frame, nullptr) << c.commandId;
        auto* view = qobject_cast<CCustomFormView*>(frame->view());
        if (c.templateId == 0) {
            EXPECT_EQ(view, nullptr) << c.commandId;
            continue;
        }
        ASSERT_NE(view, nullptr) << c.commandId;
        EXPECT_EQ(view->templateId(), c.templateId);
        EXPECT_EQ(view->currentRecord(), view->context().section(view->sectionId())->at(0));
    }
    // Closing every window writes the editors back and leaves no view behind.
    app->frame().closeAllWindows();
    EXPECT_TRUE(app->frame().openViews().isEmpty());
}

// F1 asks the editor for help on the focused control, falling back to the
// editor's own page; a dialog opened over an editor answers for itself.
TEST_F(GuiFixture, F1ShowsHelpForTheEditorOrTheDialogOverIt)
{
    startProgram();
    app->frame().show();
    QApplication::setActiveWindow(&app->frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app->frame()));
    CChildFrame* frame = app->frame().openView(TreeId::kMisc, "Miscellaneous");
    auto* view = qobject_cast<CCustomFormView*>(frame->view());
    ASSERT_NE(view, nullptr);

    QWidget* control = nullptr;
    for (QWidget* w : view->form()->findChildren<QWidget*>())
        if (controlId(w) != 0 && w->focusPolicy() != Qt::NoFocus) control = w;
    ASSERT_NE(control, nullptr);
    control->setFocus();
    QApplication::processEvents();
    if (QApplication::focusWidget() != control) GTEST_SKIP() << "no focus offscreen";
    QTest::keyClick(control, Qt::Key_F1);
    EXPECT_TRUE(app->helpViewer().currentPage().endsWith(QString("/%1.html").arg(FormId::kMisc)))
        << app->helpViewer().currentPage().toStdString();

    QDialog dialog(view);
    setControlId(&dialog, 150);  // a dialog with a page of its own
    auto* edit = new QLineEdit(&dialog);
    setControlId(edit, 1063);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    edit->setFocus();
    QApplication::processEvents();
    QTest::keyClick(edit, Qt::Key_F1);
    EXPECT_TRUE(app->helpViewer().currentPage().endsWith("/150.html")) << app->helpViewer().currentPage().toStdString();
}

// A window closed just before the program ends is gone before the editor
// context it writes back to.
TEST_F(GuiFixture, AWindowClosedJustBeforeTheEndGoesBeforeItsRecords)
{
    startProgram();
    CChildFrame* frame = app->frame().openView(TreeId::kRadio, "Radio Information");
    ASSERT_NE(frame, nullptr);
    frame->close();
    app.reset();  // no event loop turn in between
    SUCCEED();
}
