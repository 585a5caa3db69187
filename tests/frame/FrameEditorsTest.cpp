// The main window with real editor views in its child windows: the view
// decides where it stands, and the bar, the tree and help follow it.
#include "../views/FakeEditorContext.h"
#include "../views/TestViews.h"
#include "FakeFrameHost.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "frame/CNavigationTree.h"
#include "frame/CRecordNavBar.h"
#include "frame/FrameIds.h"
#include "frame/PrintTreeEntries.h"
#include "frame/ViewBridge.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The channel count comes from the store, as in the program.
struct StoreHost : FakeFrameHost {
    const FakeEditorContext* context = nullptr;
    int listCount(int id) const override
    {
        if (id != TreeId::kChannel) return FakeFrameHost::listCount(id);
        return context->sections.at(Section::Channels)->count();
    }
};

struct FrameEditorsTest : ::testing::Test {
    FakeEditorContext context;
    StoreHost host;
    EditorSource editors{context, nullptr, [](int id, EditorContext& ctx, QWidget*) -> CCustomFormView* {
                             if (id != TreeId::kChannel) return nullptr;
                             auto* v = new NumberView(ctx, Section::Channels, id);
                             v->initialUpdate();
                             return v;
                         }};
    std::unique_ptr<CMainFrame> frame;

    void SetUp() override
    {
        context.addSection(Section::Channels, 8, 3, 16);
        host.context = &context;
        host.giveTreeTexts();
        frame = std::make_unique<CMainFrame>(host);
        frame->setEditorSource(&editors);
        frame->postStartInit();
        frame->show();
    }
    void TearDown() override { frame.reset(); }

    NumberView* viewOf(CChildFrame* f) { return static_cast<NumberView*>(f->view()); }
    void press(CChildFrame* f, int action) { emit f->navBar()->navigate(action); }
};

}  // namespace

TEST_F(FrameEditorsTest, TheViewsPositionDrivesBarAndTree)
{
    CChildFrame* f = frame->openView(TreeId::kChannel, "Channel3");
    ASSERT_NE(f, nullptr);
    ASSERT_NE(f->view(), nullptr);
    EXPECT_EQ(viewOf(f)->currentIndex(), 2);
    EXPECT_EQ(f->navBar()->mode(), (NavBarMode{true, 3}));  // the last of three
    EXPECT_EQ(f->navBar()->positionText(), "3 / 3");

    struct Step {
        int action;
        int index;
        QString position;
        int treeItems;
    };
    const Step steps[] = {
        {NavBarAction::kPrevious, 1, "2 / 3", 3},
        {NavBarAction::kFirst, 0, "1 / 3", 3},
        {NavBarAction::kPrevious, 0, "1 / 3", 3},  // stays on the first
        {NavBarAction::kLast, 2, "3 / 3", 3},
        {NavBarAction::kNext, 2, "3 / 3", 3},      // stays on the last
        {NavBarAction::kNew, 3, "4 / 4", 4},
        {NavBarAction::kPrevious, 2, "3 / 4", 4},
        {NavBarAction::kDelete, 2, "3 / 3", 3},    // the record after takes its place
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.action);
        press(f, s.action);
        EXPECT_EQ(viewOf(f)->currentIndex(), s.index);
        EXPECT_EQ(f->navBar()->positionText(), s.position);
        EXPECT_EQ(frame->tree()->itemsWithId(TreeId::kChannel).size(), static_cast<std::size_t>(s.treeItems));
        EXPECT_EQ(frame->tree()->highlighted(), frame->tree()->numberedItem(TreeId::kChannel, s.index + 1));
    }
}

TEST_F(FrameEditorsTest, DeleteIsRefusedOnTheLastRecord)
{
    context.sections[Section::Channels] = std::make_unique<FakeSection>(8, 1, 16);
    frame->refreshTree();
    CChildFrame* f = frame->openView(TreeId::kChannel, "Channel1");
    press(f, NavBarAction::kDelete);
    EXPECT_EQ(viewOf(f)->recordCount(), 1);
    EXPECT_EQ(f->navBar()->positionText(), "1 / 1");
}

TEST_F(FrameEditorsTest, HelpAsksForTheFocusedControlThenTheFormThenItsCommand)
{
    QList<QList<int>> asked;
    QObject::connect(frame.get(), &CMainFrame::helpRequested, [&](const QList<int>& ids) { asked << ids; });
    CChildFrame* f = frame->openView(TreeId::kChannel, "Channel1");
    emit f->navBar()->helpRequested();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0], (QList<int>{TestIds::kForm, TreeId::kChannel}));

    frame->activateWindow();
    findControl(f->view(), TestIds::kEdit)->setFocus();
    QApplication::processEvents();
    if (QApplication::focusWidget() != findControl(f->view(), TestIds::kEdit)) GTEST_SKIP() << "no focus offscreen";
    emit f->navBar()->helpRequested();
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[1], (QList<int>{TestIds::kEdit, TestIds::kForm, TreeId::kChannel}));
}

TEST_F(FrameEditorsTest, AnEntryWithoutAnEditorSaysSoAndAsksHelpByItsId)
{
    QList<QList<int>> asked;
    QObject::connect(frame.get(), &CMainFrame::helpRequested, [&](const QList<int>& ids) { asked << ids; });
    CChildFrame* f = frame->openView(TreeId::kScan, "Scan List1");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->view(), nullptr);
    emit f->navBar()->helpRequested();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0], (QList<int>{TreeId::kScan}));
}

TEST_F(FrameEditorsTest, AnEntryWithoutANumberShowsWhereTheViewStands)
{
    CChildFrame* f = frame->openView(TreeId::kChannel, "Channel3");
    ASSERT_EQ(viewOf(f)->currentIndex(), 2);
    // The group entry opens the same window again without moving it.
    EXPECT_EQ(frame->openView(TreeId::kChannel, "Channels"), f);
    EXPECT_EQ(viewOf(f)->currentIndex(), 2);
    EXPECT_EQ(f->navBar()->positionText(), "3 / 3");
}

TEST_F(FrameEditorsTest, TheBarsPrintFollowsThePrintCommand)
{
    CChildFrame* f = frame->openView(TreeId::kChannel, "Channel1");
    QPushButton* print = f->navBar()->button(NavBarId::kPrint);
    ASSERT_NE(print, nullptr);
    EXPECT_FALSE(print->isEnabled());

    int printed = 0;
    frame->setCommandHandler(Cmd::kPrint, [&] { ++printed; });
    EXPECT_TRUE(print->isEnabled());
    print->click();
    EXPECT_EQ(printed, 1);
}

TEST_F(FrameEditorsTest, TheBarsPrintPrintsItsOwnSection)
{
    CChildFrame* f = frame->openView(TreeId::kChannel, "Channel1");
    int menuPrints = 0;
    std::vector<int> sections;
    frame->setCommandHandler(Cmd::kPrint, [&] { ++menuPrints; });
    frame->setSectionPrintHandler([&](int commandId) { sections.push_back(commandId); });
    f->navBar()->button(NavBarId::kPrint)->click();
    EXPECT_EQ(menuPrints, 0);
    EXPECT_EQ(sections, std::vector<int>{TreeId::kChannel});
    EXPECT_EQ(reportSectionOfView(sections.front()), 3655);
}

TEST_F(FrameEditorsTest, APageMessageIsAPlainBox)
{
    CChildFrame* f = frame->openView(TreeId::kChannel, "Channel1");
    auto* view = qobject_cast<CCustomFormView*>(f->view());
    ASSERT_NE(view, nullptr);
    int icon = -1;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            icon = box->icon();
            box->accept();
        }
    });
    emit view->pageMessage(1164);
    EXPECT_EQ(icon, QMessageBox::NoIcon);
}
