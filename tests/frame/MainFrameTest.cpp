#include "FakeFrameHost.h"
#include "frame/CChildFrame.h"
#include "frame/CFrameMenus.h"
#include "frame/CMainFrame.h"
#include "frame/CNavigationTree.h"
#include "frame/CRecordNavBar.h"
#include "frame/CViewManager.h"
#include "frame/FrameIds.h"
#include "frame/ProgramIcon.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

struct MainFrameTest : ::testing::Test {
    FakeFrameHost host;
    std::unique_ptr<CMainFrame> frame;

    void SetUp() override
    {
        host.giveTreeTexts();
        host.captions[128] = "QAV CPS";
        host.messages[2231] = "COM%d";
        frame = std::make_unique<CMainFrame>(host);
        frame->postStartInit();
        frame->show();
    }
};

}  // namespace

TEST_F(MainFrameTest, TitleAndStatusPanes)
{
    // The title as the window system shows it: the mark only while modified.
    auto shown = [this] { return frame->windowHandle()->title(); };
    EXPECT_EQ(shown(), "QAV CPS");
    frame->setDocumentPath("/tmp/x.qav");
    EXPECT_EQ(shown(), "QAV CPS [ /tmp/x.qav ]");
    frame->setDocumentModified(true);
    EXPECT_EQ(shown(), "QAV CPS [ /tmp/x.qav ]*");
    frame->setDocumentModified(false);
    EXPECT_EQ(shown(), "QAV CPS [ /tmp/x.qav ]");
    EXPECT_EQ(frame->statusPaneText(59143), "QAV-1");
    EXPECT_EQ(frame->statusPaneText(59144), "136-174 MHz");
    EXPECT_EQ(frame->statusPaneText(59145), "COM4");
    EXPECT_EQ(frame->statusPaneText(59146).size(), 19);
    host.device = "sim";
    frame->refreshStatusBar();
    EXPECT_EQ(frame->statusPaneText(59145), "SIM");
}

TEST_F(MainFrameTest, OpeningAnEntryTwiceActivatesTheSameWindow)
{
    CChildFrame* a = frame->openView(TreeId::kRadio, "Radio Information");
    ASSERT_NE(a, nullptr);
    CChildFrame* b = frame->openView(TreeId::kRadio, "Radio Information");
    EXPECT_EQ(a, b);
    EXPECT_EQ(frame->childFrames().size(), 1);
    EXPECT_EQ(frame->viewManager()->count(), 1);
    EXPECT_EQ(frame->viewManager()->tabText(0), "Radio Information");
    EXPECT_EQ(frame->openWindowList().size(), 1u);
    // Unknown ids open nothing.
    EXPECT_EQ(frame->openView(32801, "Settings"), nullptr);
}

TEST_F(MainFrameTest, ClosedWindowReopensOnTheSameNode)
{
    CChildFrame* a = frame->openView(TreeId::kMisc, "Miscellaneous");
    a->close();
    QApplication::processEvents();
    EXPECT_EQ(frame->viewManager()->count(), 0);
    ASSERT_EQ(frame->openWindowList().size(), 1u);
    EXPECT_TRUE(frame->openWindowList()[0].frame.isNull());
    CChildFrame* b = frame->openView(TreeId::kMisc, "Miscellaneous");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(frame->openWindowList().size(), 1u);
    EXPECT_EQ(frame->openWindowList()[0].frame.data(), b);
}

TEST_F(MainFrameTest, SingleRecordEditorsShowNoRecordButtons)
{
    CChildFrame* pw = frame->openView(TreeId::kPassword, "Password");
    EXPECT_EQ(pw->navBar()->mode(), (NavBarMode{false, 1}));
}

TEST_F(MainFrameTest, EditMenuAndCloseAll)
{
    frame->runCommand(32821);  // "Channels" opens the channel editor
    frame->runCommand(TreeId::kRadio);
    EXPECT_EQ(frame->childFrames().size(), 2);
    EXPECT_TRUE(frame->menus()->action(Cmd::kCloseAll)->isEnabled());
    frame->runCommand(Cmd::kCloseAllButThis);
    EXPECT_EQ(frame->childFrames().size(), 1);
    frame->runCommand(Cmd::kCloseAll);
    EXPECT_TRUE(frame->childFrames().isEmpty());
    EXPECT_FALSE(frame->menus()->action(Cmd::kCloseAll)->isEnabled());
}

TEST_F(MainFrameTest, CommandsWithoutHandlerAreDisabled)
{
    EXPECT_FALSE(frame->menus()->action(Cmd::kReadRadio)->isEnabled());
    int runs = 0;
    frame->setCommandHandler(Cmd::kReadRadio, [&] { ++runs; });
    EXPECT_TRUE(frame->menus()->action(Cmd::kReadRadio)->isEnabled());
    frame->menus()->action(Cmd::kReadRadio)->trigger();
    EXPECT_EQ(runs, 1);
}

TEST_F(MainFrameTest, ClosingFollowsTheCloseGuard)
{
    QCloseEvent unguarded;
    QApplication::sendEvent(frame.get(), &unguarded);
    EXPECT_TRUE(unguarded.isAccepted());  // nothing to ask: no question at all
    for (const bool allow : {false, true}) {
        int asked = 0;
        frame->setCloseGuard([&] {
            ++asked;
            return allow;
        });
        QCloseEvent event;
        QApplication::sendEvent(frame.get(), &event);
        EXPECT_EQ(event.isAccepted(), allow);
        EXPECT_EQ(asked, 1);
    }
}

TEST_F(MainFrameTest, InvalidViewListsEachKeyOnceAndHonoursModelFlags)
{
    CLogBar* bar = frame->invalidBar();
    host.flags[3001] = 1;
    EXPECT_TRUE(bar->add({1, 2001, "Channel1 Rx", "out of range"}, host));
    EXPECT_FALSE(bar->add({1, 2001, "Channel1 Rx", "out of range"}, host));
    EXPECT_FALSE(bar->add({2, 3001, "disabled", "x"}, host));
    EXPECT_TRUE(bar->add({3, 2002, "Channel2 Tx", "empty"}, host));
    EXPECT_EQ(bar->lineCount(), 2);
    bar->remove(1);
    EXPECT_EQ(bar->line(0), (QStringList{"Channel2 Tx", "empty"}));
    EXPECT_FALSE(bar->isVisible());
    frame->show();
    frame->showInvalidViewIfNeeded();
    EXPECT_TRUE(bar->isVisible());
}

TEST_F(MainFrameTest, LogViewListsEditsWithTheWindowAndKeepsTheNewest)
{
    frame->openView(TreeId::kMisc, "Miscellaneous");
    frame->logEdit("&Squelch Level:", "3", "5");
    CLogBar* log = frame->logBar();
    ASSERT_EQ(log->lineCount(), 1);
    const QStringList line = log->line(0);
    EXPECT_EQ(line[0].size(), 19);  // yyyy-MM-dd HH:mm:ss
    EXPECT_EQ(line.mid(1), (QStringList{"Miscellaneous / Squelch Level", "3", "5"}));
    for (int i = 0; i < CLogBar::kMaxLines + 5; ++i) frame->logEdit("Field", QString::number(i), "x");
    EXPECT_EQ(log->lineCount(), CLogBar::kMaxLines);
    EXPECT_EQ(log->line(CLogBar::kMaxLines - 1)[2], QString::number(CLogBar::kMaxLines + 4));
}

TEST_F(MainFrameTest, TheBarsAreToldApartAndShowEveryColumn)
{
    host.captions[910] = "Log";
    host.captions[Cmd::kLogView] = "&Log View";
    host.captions[Cmd::kInvalidView] = "&Invalid View";
    frame->refreshAll();
    EXPECT_EQ(frame->logBar()->windowTitle(), "Log View");
    EXPECT_EQ(frame->invalidBar()->windowTitle(), "Invalid View");

    // Every column starts inside the list at the bar's first width.
    for (CLogBar* bar : {frame->logBar(), frame->invalidBar()}) {
        bar->show();
        bar->resize(700, 160);
        QApplication::processEvents();
        QTreeWidget* list = bar->list();
        for (int c = 0; c < list->columnCount(); ++c)
            EXPECT_LT(list->header()->sectionViewportPosition(c), list->viewport()->width() - 20)
                << bar->objectName().toStdString() << " column " << c;
    }
}

TEST_F(MainFrameTest, ThePortPaneShowsAWholeDevicePath)
{
    host.device = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
    frame->refreshStatusBar();
    QApplication::processEvents();
    QLabel* pane = frame->findChild<QLabel*>("pane59145");
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->text().toStdString(), host.device);
    EXPECT_GE(pane->width(), pane->fontMetrics().horizontalAdvance(pane->text()));
}

TEST_F(MainFrameTest, EditorWindowsCarryTheProgramsIcon)
{
    const QImage icon = programIcon().pixmap(16, 16).toImage();
    ASSERT_FALSE(icon.isNull());
    CChildFrame* f = frame->openView(TreeId::kRadio, "Radio Information");
    EXPECT_EQ(f->windowIcon().pixmap(16, 16).toImage(), icon);
    EXPECT_EQ(frame->windowIcon().pixmap(16, 16).toImage(), icon);
}

// The tab bar keeps its height with and without tabs: the tree below it
// stays where it is, and no layout warning is printed.
TEST_F(MainFrameTest, TheTabBarDoesNotMoveTheTree)
{
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) {
        warnings << m;
    });
    QApplication::processEvents();
    const QPoint before = frame->tree()->mapTo(frame.get(), QPoint());
    frame->openView(TreeId::kRadio, "Radio Information");
    QApplication::processEvents();
    const QPoint withTab = frame->tree()->mapTo(frame.get(), QPoint());
    frame->closeAllWindows();
    QApplication::processEvents();
    const QPoint after = frame->tree()->mapTo(frame.get(), QPoint());
    qInstallMessageHandler(previous);
    EXPECT_EQ(withTab, before);
    EXPECT_EQ(after, before);
    for (const QString& w : warnings) EXPECT_FALSE(w.contains("Negative sizes")) << w.toStdString();
}

TEST_F(MainFrameTest, NewEditorWindowsOpenAtDifferentPlaces)
{
    QList<QPoint> places;
    for (int id : {TreeId::kRadio, TreeId::kMisc, TreeId::kPassword}) {
        CChildFrame* f = frame->openView(id, "x");
        places << f->pos();
    }
    EXPECT_NE(places[0], places[1]);
    EXPECT_NE(places[1], places[2]);
    EXPECT_NE(places[0], places[2]);
}

// With every button shown, in a language with long button texts, nothing
// on the record bar lies over anything else.
TEST_F(MainFrameTest, TheRecordBarsControlsDoNotOverlap)
{
    const char* texts[] = {"Close", "Print", "Help", "First", "Previous", "Next", "Last", "New", "Delete"};
    for (int i = 0; i < 9; ++i) host.captions[NavBarId::kClose + i] = texts[i];
    host.captions[NavBarId::kList] = "List";
    frame->refreshAll();
    CChildFrame* f = frame->openView(TreeId::kChannel, "Channel2");
    f->navBar()->setPosition(16, 16);
    QApplication::processEvents();
    QList<QWidget*> shown;
    for (QWidget* w : f->navBar()->findChildren<QWidget*>())
        if (w->isVisible() && w->parentWidget() == f->navBar()) shown << w;
    ASSERT_GE(shown.size(), 10);
    for (int i = 0; i < shown.size(); ++i)
        for (int j = i + 1; j < shown.size(); ++j)
            EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
                << shown[i]->objectName().toStdString() << " and " << shown[j]->objectName().toStdString();
}
