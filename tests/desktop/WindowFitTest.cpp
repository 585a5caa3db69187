// What a window shows fits it, in both languages: an editor opened from the
// tree shows its whole form, and the tuning list shows every item.
#include "GuiFixture.h"
#include "frame/CChildFrame.h"
#include "frame/CDlgTuning.h"
#include "frame/CMainFrame.h"
#include "frame/FrameIds.h"
#include "views/CustomFormView.h"
#include "views/ViewIds.h"

#include <QHeaderView>
#include <QListWidget>
#include <QTableView>
#include <QTest>

namespace {

struct WindowFit : GuiFixture, ::testing::WithParamInterface<int> {
    // The program in language `GetParam()`, its window as large as a
    // technician's usual screen.
    void start()
    {
        startProgram([](const QString& dir) { useLanguage(dir, GetParam()); });
        app->frame().show();
        app->frame().setWindowState(Qt::WindowNoState);
        app->frame().resize(1280, 1000);
        QApplication::processEvents();
    }
};

}  // namespace

TEST_P(WindowFit, EditorsOpenLargeEnoughForTheirWholeForm)
{
    start();
    ModalDriver driver;  // the password editor asks for the password first
    driver.onDialog = [](QDialog* d) { d->reject(); };
    for (int id : {TreeId::kRadio, TreeId::kMisc, TreeId::kPassword, TreeId::kKeys, TreeId::kScan,
                   TreeId::kEmbedded, TreeId::kTestFreq, TreeId::kDataWatch, ViewCommand::kAlertTone,
                   ViewCommand::kTwoToneSystem, ViewCommand::kTwoToneCall, ViewCommand::kPttId, ViewCommand::kDos,
                   ViewCommand::kAtis}) {
        CChildFrame* frame = app->frame().openView(id, "entry");
        ASSERT_NE(frame, nullptr) << id;
        auto* view = qobject_cast<CCustomFormView*>(frame->view());
        ASSERT_NE(view, nullptr) << id;
        QApplication::processEvents();
        const QSize need = view->form()->minimumSize().expandedTo(view->form()->minimumSizeHint());
        const QSize room = view->viewport()->size();
        EXPECT_GE(room.width(), need.width()) << "editor " << id;
        EXPECT_GE(room.height(), need.height()) << "editor " << id;
        frame->close();
    }
}

TEST_P(WindowFit, TestFrequencyGridsShowTheirWholeHeadings)
{
    start();
    CChildFrame* frame = app->frame().openView(TreeId::kTestFreq, "Test Frequencies");
    ASSERT_NE(frame, nullptr);
    QApplication::processEvents();
    const QList<QTableView*> grids = frame->view()->findChildren<QTableView*>();
    ASSERT_EQ(grids.size(), 2);
    for (QTableView* grid : grids) {
        QHeaderView* head = grid->horizontalHeader();
        for (int c = 0; c < head->count(); ++c)
            EXPECT_GE(head->sectionSize(c), head->sectionSizeHint(c))
                << grid->objectName().toStdString() << " column " << c;
    }
}

TEST_P(WindowFit, TuningListShowsEveryItem)
{
    start();
    radio();
    ModalDriver driver;
    int shown = -1, items = 0;
    driver.onDialog = [&](QDialog* d) {
        auto* dlg = qobject_cast<CDlgTuning*>(d);
        if (!dlg || !dlg->isVisible()) return;
        QListWidget* list = dlg->list();
        items = list->count();
        shown = 0;
        for (int r = 0; r < list->count(); ++r)
            if (list->viewport()->rect().contains(list->visualItemRect(list->item(r)))) ++shown;
        dlg->reject();
    };
    app->frame().runCommand(Cmd::kAdjustment);
    EXPECT_GT(items, 20);
    EXPECT_EQ(shown, items);
}

INSTANTIATE_TEST_SUITE_P(Languages, WindowFit, ::testing::Values(0, 1),
                         [](const auto& info) { return info.param == 0 ? "English" : "Chinese"; });
