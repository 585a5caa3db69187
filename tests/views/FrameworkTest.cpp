#include "FakeEditorContext.h"
#include "TestViews.h"

#include "views/NoticeRelay.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Shows a view as the active window so focus changes happen as for a user.
void activate(QWidget& w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

CCharFilterEdit* editOf(const QWidget& w, int id = TestIds::kEdit)
{
    return findControlAs<CCharFilterEdit>(&w, id);
}

TEST(FormView, CommitsAnEditWhenTheControlLosesFocus)
{
    FakeEditorContext ctx;
    FakeSection& channels = ctx.addSection(Section::Channels, 8, 3, 16);
    NumberView view(ctx, Section::Channels);
    view.initialUpdate();
    activate(view);
    QSignalSpy notices(&view, &CCustomFormView::changeNotice);

    editOf(view)->setFocus();
    QTest::keyClicks(editOf(view), QStringLiteral("42"));
    EXPECT_EQ(channels.at(0)->u8(1), 0) << "nothing is written per keystroke";

    editOf(view, TestIds::kSecondEdit)->setFocus();
    EXPECT_EQ(channels.at(0)->u8(1), 42);
    ASSERT_EQ(notices.count(), 1);
    const auto n = notices.at(0).at(0).value<ChangeNotice>();
    EXPECT_EQ(n.controlId, TestIds::kEdit);
    EXPECT_EQ(n.action, NoticeAction::kEdited);
    EXPECT_EQ(n.label, "Number");
    EXPECT_EQ(n.source, &view);
    ASSERT_EQ(ctx.recordNotices.size(), 1u);
    EXPECT_EQ(ctx.recordNotices[0].controlId, TestIds::kEdit);
}

TEST(FormView, EnterMovesToTheNextFieldAndCommits)
{
    FakeEditorContext ctx;
    FakeSection& channels = ctx.addSection(Section::Channels, 8, 1, 16);
    NumberView view(ctx, Section::Channels);
    view.initialUpdate();
    activate(view);
    editOf(view)->setFocus();
    QTest::keyClicks(editOf(view), QStringLiteral("7"));
    QTest::keyClick(editOf(view), Qt::Key_Return);
    EXPECT_TRUE(editOf(view, TestIds::kSecondEdit)->hasFocus());
    EXPECT_EQ(channels.at(0)->u8(1), 7);
}

TEST(FormView, ClosingWithAnEditStillFocusedKeepsTheEdit)
{
    FakeEditorContext ctx;
    FakeSection& channels = ctx.addSection(Section::Channels, 8, 1, 16);
    auto view = std::make_unique<NumberView>(ctx, Section::Channels);
    view->initialUpdate();
    activate(*view);
    editOf(*view)->setFocus();
    QTest::keyClicks(editOf(*view), QStringLiteral("99"));
    view.reset();
    EXPECT_EQ(channels.at(0)->u8(1), 99);
}

TEST(FormView, AnEmptySectionGetsADefaultRecordAnnouncedAsAdded)
{
    FakeEditorContext ctx;
    FakeSection& scans = ctx.addSection(Section::ScanList, 8, 0, 1);
    NumberView view(ctx, Section::ScanList);
    QSignalSpy notices(&view, &CCustomFormView::changeNotice);
    view.initialUpdate();
    EXPECT_EQ(scans.count(), 1);
    EXPECT_EQ(view.currentIndex(), 0);
    ASSERT_EQ(notices.count(), 1);
    EXPECT_EQ(notices.at(0).at(0).value<ChangeNotice>().action, NoticeAction::kAdded);
}

struct NavCase {
    int records;
    int limit;
    int startNumber;     // one-based record made current first
    int action;
    int number;          // for NavAction::kGoTo
    int expectNumber;    // one-based current afterwards, 0 for none
    int expectSerial;    // which record (by creation order) is current, 0 for none
    int expectCount;
    bool announced;
};

class Navigation : public ::testing::TestWithParam<NavCase> {};

TEST_P(Navigation, StepsThroughTheSection)
{
    const NavCase& c = GetParam();
    FakeEditorContext ctx;
    FakeSection& channels = ctx.addSection(Section::Channels, 8, c.records, c.limit);
    NumberView view(ctx, Section::Channels);
    view.initialUpdate();
    view.navigate(NavAction::kGoTo, c.startNumber);
    QSignalSpy notices(&view, &CCustomFormView::changeNotice);
    QSignalSpy moved(&view, &CCustomFormView::navigated);

    view.navigate(c.action, c.number);

    EXPECT_EQ(view.currentIndex() + 1, c.expectNumber);
    EXPECT_EQ(channels.count(), c.expectCount);
    Record* r = view.currentRecord();
    EXPECT_EQ(r ? r->u8(0) : 0, c.expectSerial);
    ASSERT_EQ(notices.count(), c.announced ? 1 : 0);
    if (c.announced) {
        const auto n = notices.at(0).at(0).value<ChangeNotice>();
        EXPECT_EQ(n.action, noticeActionFor(c.action));
        EXPECT_EQ(n.navigation, c.action);
        EXPECT_EQ(n.section, Section::Channels);
        EXPECT_EQ(n.controlId, 0);
        ASSERT_EQ(moved.count(), 1);
        EXPECT_EQ(moved.at(0).at(1).toInt(), c.expectNumber);
        EXPECT_EQ(moved.at(0).at(2).toInt(), c.expectCount);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Actions, Navigation,
    ::testing::Values(NavCase{3, 16, 2, NavAction::kFirst, 0, 1, 1, 3, true},
                      NavCase{3, 16, 1, NavAction::kPrevious, 0, 1, 1, 3, true},   // stays on the first
                      NavCase{3, 16, 3, NavAction::kPrevious, 0, 2, 2, 3, true},
                      NavCase{3, 16, 3, NavAction::kNext, 0, 3, 3, 3, true},       // stays on the last
                      NavCase{3, 16, 1, NavAction::kNext, 0, 2, 2, 3, true},
                      NavCase{3, 16, 1, NavAction::kLast, 0, 3, 3, 3, true},
                      NavCase{3, 16, 2, NavAction::kNew, 0, 4, 4, 4, true},
                      NavCase{3, 3, 2, NavAction::kNew, 0, 2, 2, 3, false},        // section full
                      NavCase{3, 16, 2, NavAction::kDelete, 0, 2, 3, 2, true},     // the next one moves up
                      NavCase{3, 16, 3, NavAction::kDelete, 0, 2, 2, 2, true},     // the new last
                      NavCase{1, 16, 1, NavAction::kDelete, 0, 1, 1, 1, false},    // never the last record
                      NavCase{3, 16, 1, NavAction::kGoTo, 3, 3, 3, 3, true},
                      NavCase{3, 16, 1, NavAction::kGoTo, 5, 0, 0, 3, true}));     // out of range: no record

TEST(FormView, NavigationWritesBackTheRecordItLeaves)
{
    FakeEditorContext ctx;
    FakeSection& channels = ctx.addSection(Section::Channels, 8, 2, 16);
    NumberView view(ctx, Section::Channels);
    view.initialUpdate();
    editOf(view)->setText(QStringLiteral("17"));
    view.navigate(NavAction::kNext);
    EXPECT_EQ(channels.at(0)->u8(1), 17);
    EXPECT_EQ(editOf(view)->text(), QStringLiteral("0"));
}

TEST(FormView, WithoutACurrentRecordNothingIsStored)
{
    FakeEditorContext ctx;
    FakeSection& channels = ctx.addSection(Section::Channels, 8, 2, 16);
    NumberView view(ctx, Section::Channels);
    view.initialUpdate();
    view.navigate(NavAction::kGoTo, 9);
    editOf(view)->setText(QStringLiteral("55"));
    view.save();
    EXPECT_EQ(channels.at(0)->u8(1), 0);
    EXPECT_EQ(channels.at(1)->u8(1), 0);
    view.navigate(NavAction::kNext);
    EXPECT_EQ(view.currentIndex(), 0);
}

TEST(FormView, ARecordDeletedElsewhereDoesNotShiftTheRecordAViewEdits)
{
    // Two editors on one list: the second deletes an earlier record. The
    // first must go on editing the record it shows, not whatever record
    // moved into its old position.
    FakeEditorContext ctx;
    FakeSection& channels = ctx.addSection(Section::Channels, 8, 3, 16);
    NumberView editing(ctx, Section::Channels);
    NumberView deleting(ctx, Section::Channels);
    editing.initialUpdate();
    deleting.initialUpdate();
    editing.navigate(NavAction::kGoTo, 2);   // the record made second
    deleting.navigate(NavAction::kDelete);   // removes the first

    editOf(editing)->setText(QStringLiteral("42"));
    editing.save();

    ASSERT_EQ(channels.count(), 2);
    EXPECT_EQ(channels.at(0)->u8(0), 2);
    EXPECT_EQ(channels.at(0)->u8(1), 42) << "the shown record gets the edit";
    EXPECT_EQ(channels.at(1)->u8(1), 0) << "the record after it is left alone";
    ASSERT_NE(editing.currentRecord(), nullptr);
    EXPECT_EQ(editing.currentRecord()->u8(0), 2);
}

TEST(FormView, ARecordDeletedUnderAViewLeavesItWithoutARecord)
{
    FakeEditorContext ctx;
    FakeSection& channels = ctx.addSection(Section::Channels, 8, 3, 16);
    NumberView editing(ctx, Section::Channels);
    NumberView deleting(ctx, Section::Channels);
    editing.initialUpdate();
    deleting.initialUpdate();
    editing.navigate(NavAction::kGoTo, 2);
    deleting.navigate(NavAction::kGoTo, 2);
    deleting.navigate(NavAction::kDelete);

    editOf(editing)->setText(QStringLiteral("42"));
    editing.save();
    for (int i = 0; i < channels.count(); ++i) EXPECT_EQ(channels.at(i)->u8(1), 0) << "record " << i;
}

TEST(NoticeRelay, ANoticeReachesEveryOpenViewBeforeTheRecords)
{
    FakeEditorContext ctx;
    ctx.addSection(Section::Channels, 8, 2, 16);
    ctx.addSection(Section::Personalities, 8, 2, 8);
    NoticeRelay relay;
    NumberView a(ctx, Section::Channels);
    NumberView b(ctx, Section::Personalities);
    auto c = std::make_unique<NumberView>(ctx, Section::Personalities);
    for (NumberView* v : {&a, &b, c.get()}) {
        v->initialUpdate();
        relay.add(v);
    }
    c.reset();   // a closed view drops out by itself
    std::size_t recordNoticesSeenByB = 99;
    QObject::connect(&relay, &NoticeRelay::relayed, [&] { recordNoticesSeenByB = ctx.recordNotices.size(); });

    a.navigate(NavAction::kDelete);

    ASSERT_EQ(b.received.size(), 1u);
    EXPECT_EQ(b.received[0].action, NoticeAction::kDeleted);
    EXPECT_EQ(b.received[0].recordId, 1) << "the deleted record, so others can tell whether it was theirs";
    EXPECT_EQ(b.received[0].section, Section::Channels);
    EXPECT_EQ(b.received[0].source, &a);
    ASSERT_EQ(a.received.size(), 1u);   // the sender hears it too
    EXPECT_EQ(recordNoticesSeenByB, 0u);
    EXPECT_EQ(ctx.recordNotices.size(), 1u);
    EXPECT_EQ(relay.views().size(), 2);
}

TEST(SheetView, PagesShowTheCurrentRecordAndAnnounceWithTheirCaption)
{
    FakeEditorContext ctx;
    FakeSection& channels = ctx.addSection(Section::Channels, 8, 2, 16);
    channels.at(1)->setU8(1, 13);
    TwoPageView view(ctx, Section::Channels);
    view.initialUpdate();
    activate(view);
    QSignalSpy notices(&view, &CCustomFormView::changeNotice);

    view.navigate(NavAction::kNext);
    EXPECT_EQ(editOf(*view.first)->text(), QStringLiteral("13"));

    editOf(*view.first)->setFocus();
    QTest::keyClicks(editOf(*view.first), QStringLiteral("4"));
    editOf(*view.first, TestIds::kSecondEdit)->setFocus();
    EXPECT_EQ(channels.at(1)->u8(1), 134);
    ASSERT_EQ(notices.count(), 2);   // the navigation, then the edit
    const auto n = notices.at(1).at(0).value<ChangeNotice>();
    EXPECT_EQ(n.caption, "First");
    EXPECT_EQ(n.label, "Number");
    EXPECT_EQ(n.source, view.first);
    EXPECT_EQ(view.first->lastNotice().controlId, TestIds::kEdit);
    EXPECT_EQ(view.first->committedFlag(), 0) << "the next control gained the focus";
}

TEST(SheetView, OpensOnTheTabLastUsedByItsKind)
{
    FakeEditorContext ctx;
    ctx.addSection(Section::Channels, 8, 1, 16);
    {
        TwoPageView view(ctx, Section::Channels);
        view.initialUpdate();
        EXPECT_EQ(view.sheet()->currentIndex(), 0);
        view.sheet()->setActivePage(1);
    }
    TwoPageView again(ctx, Section::Channels);
    again.initialUpdate();
    EXPECT_EQ(again.sheet()->currentIndex(), 1);
    TwoPageView otherKind(ctx, Section::Channels, TestIds::kKind + 1);
    otherKind.initialUpdate();
    EXPECT_EQ(otherKind.sheet()->currentIndex(), 0);
}

TEST(SheetView, PagesHearRelayedNoticesOnceShown)
{
    FakeEditorContext ctx;
    ctx.addSection(Section::Channels, 8, 2, 16);
    TwoPageView view(ctx, Section::Channels);
    view.initialUpdate();
    ChangeNotice n;
    n.action = NoticeAction::kDeleted;
    view.receiveNotice(n);
    EXPECT_EQ(view.first->received.size(), 1u);
    EXPECT_TRUE(view.second->received.empty()) << "a page never shown has no window yet";
}

}  // namespace
