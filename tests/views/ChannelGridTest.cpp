// The channel list's grid on a real store: in-place editing with the grid's
// keys and conversions, cells that follow the tone type, and the two
// channel editors kept in step through the change notices.
#include "StoreFixture.h"

#include "controls/FreqEdit.h"
#include "model/ChannelRecord.h"
#include "views/NoticeRelay.h"
#include "views/RecordGrid.h"
#include "views/RecordTableModel.h"
#include "views/ViewChannelList.h"
#include "views/ViewIds.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

enum Column { RxFreq = 0, RxType = 1, RxCtcss = 2, RxCdcss = 3, TxFreq = 4, Spacing = 8, Scan = 11 };

struct ChannelGrid : StoreFixture {
    std::unique_ptr<CCustomFormView> view = open(ViewCommand::kChannelList);
    CViewChannelList* list() { return static_cast<CViewChannelList*>(view.get()); }
    RecordGrid* grid() { return list()->grid(); }
    RecordTableModel* model() { return list()->model(); }
    QModelIndex cell(int row, int column) { return model()->index(row, column); }
    QString text(int row, int column) { return cell(row, column).data().toString(); }
    Record& channel(int i) { return store.channels[static_cast<std::size_t>(i)].record; }
    QList<int> messages;

    ChannelGrid()
    {
        QObject::connect(view.get(), &CCustomFormView::pageMessage, [this](int id) { messages << id; });
        view->resize(1200, 500);
        view->show();
        QApplication::setActiveWindow(view.get());
        grid()->setFocus();
    }
    QLineEdit* editorOf(int row, int column)
    {
        QWidget* w = grid()->indexWidget(cell(row, column));
        if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->lineEdit();
        return qobject_cast<QLineEdit*>(w);
    }
    void type(int row, int column, const QString& keys)
    {
        grid()->setCurrentIndex(cell(row, column));
        QTest::keyClicks(grid(), keys.left(1));
        if (QLineEdit* e = editorOf(row, column)) QTest::keyClicks(e, keys.mid(1));
    }
    void finish(int row, int column, Qt::Key key = Qt::Key_Return)
    {
        if (QLineEdit* e = editorOf(row, column)) QTest::keyClick(e, key);
    }
};

TEST(ChannelGrid, ShowsOneRowPerChannelWithTheColumnsTexts)
{
    ChannelGrid f;
    ASSERT_EQ(f.model()->rowCount(), 16);
    EXPECT_EQ(f.model()->columnCount(), 13);
    EXPECT_EQ(f.text(0, RxFreq), QStringLiteral("400.32500"));
    EXPECT_EQ(f.text(1, RxCtcss), QStringLiteral("136.5"));
    EXPECT_EQ(f.text(0, RxType), QStringLiteral("CTCSS"));
    EXPECT_EQ(f.text(0, Spacing), QStringLiteral("25 kHz"));
    EXPECT_EQ(f.text(0, Scan), QStringLiteral("1"));
    EXPECT_EQ(f.model()->headerData(RxFreq, Qt::Horizontal).toString(), QStringLiteral("RX Frequency[MHz]"));
}

TEST(ChannelGrid, TypingStartsTheEditorWithThatCharacter)
{
    ChannelGrid f;
    f.grid()->setCurrentIndex(f.cell(2, RxFreq));
    QTest::keyClick(f.grid(), Qt::Key_4);
    QLineEdit* e = f.editorOf(2, RxFreq);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->text(), QStringLiteral("4"));
    // Letters never reach a frequency cell.
    QTest::keyClicks(e, "x3y");
    EXPECT_EQ(e->text(), QStringLiteral("43"));
}

TEST(ChannelGrid, TypedFrequenciesAreRoundedClampedAndStepped)
{
    struct Case {
        const char* typed;
        const char* shown;
        std::uint32_t word;
        int step;
        bool clamped;
    } cases[] = {
        {"400.1234", "400.12250", 0x40012250, 6, false},  // 2.5 kHz grid
        {"3", "400.00000", 0x40000000, 6, true},            // below the band
        {"999", "470.00000", 0x47000000, 6, true},
        {"433.12", "433.12000", 0x43312000, 7, false},      // 10 kHz
        {"400.11875", "400.11875", 0x40011875, 3, false},   // 6.25 kHz
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ChannelGrid f;
        f.type(3, RxFreq, c.typed);
        f.finish(3, RxFreq);
        QCoreApplication::processEvents();
        EXPECT_EQ(f.text(3, RxFreq), QString(c.shown));
        EXPECT_EQ(f.channel(3).u32(ChannelField::RxFreq), c.word);
        EXPECT_EQ(f.channel(3).bits(ChannelField::Steps, 0, 4), static_cast<unsigned>(c.step));
        EXPECT_EQ(f.messages.contains(1164), c.clamped);
    }
}

TEST(ChannelGrid, EscapeLeavesTheCellAsItWas)
{
    ChannelGrid f;
    const Record before = f.channel(4);
    f.type(4, RxFreq, "41");
    f.finish(4, RxFreq, Qt::Key_Escape);
    EXPECT_EQ(f.text(4, RxFreq), QStringLiteral("402.32500"));
    EXPECT_EQ(f.channel(4), before);
}

TEST(ChannelGrid, EmptyingTheReceiveFrequencyEmptiesTheTransmitOne)
{
    ChannelGrid f;
    EXPECT_EQ(f.model()->writeText(0, RxFreq, ""), 0);
    EXPECT_TRUE(f.text(0, TxFreq).isEmpty());
    EXPECT_EQ(f.channel(0).u32(ChannelField::TxFreq), 0xFFFFFFFFu);
    EXPECT_EQ(f.channel(0).u8(ChannelField::Steps), 0xFF);
}

TEST(ChannelGrid, ToneCellsFollowTheToneType)
{
    ChannelGrid f;
    struct Case {
        int type;
        bool ctcss, cdcss;
    } cases[] = {{1, true, false}, {2, false, true}, {0, false, false}, {3, false, true}};
    const std::uint16_t value = f.channel(0).u16(ChannelField::RxTone) & 0x0FFF;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        ASSERT_TRUE(f.model()->setData(f.cell(0, RxType), c.type));
        EXPECT_EQ(f.model()->flags(f.cell(0, RxCtcss)).testFlag(Qt::ItemIsEditable), c.ctcss);
        EXPECT_EQ(f.model()->flags(f.cell(0, RxCdcss)).testFlag(Qt::ItemIsEditable), c.cdcss);
        // The stored tone value waits for a tone of the new type.
        EXPECT_EQ(f.channel(0).u16(ChannelField::RxTone) & 0x0FFF, value);
    }
    // An inert cell never opens an editor, whatever starts it.
    f.grid()->setCurrentIndex(f.cell(0, RxCtcss));
    QTest::keyClick(f.grid(), Qt::Key_5);
    EXPECT_EQ(f.grid()->indexWidget(f.cell(0, RxCtcss)), nullptr);
    // A code typed into the CDCSS cell of the inverted type.
    EXPECT_EQ(f.model()->writeText(0, RxCdcss, "754"), 0);
    EXPECT_EQ(f.channel(0).u16(ChannelField::RxTone), 0xC000 | 0754);
}

TEST(ChannelGrid, TextsThatAreNotWhatTheColumnHoldsChangeNothing)
{
    ChannelGrid f;
    struct Case {
        int column;
        const char* text;
        int message;
    } cases[] = {
        {RxFreq, "4.0.1", 1270}, {RxCtcss, "abc", 1271}, {RxCdcss, "089", 1272}, {Spacing, "13 kHz", 1273},
        {Scan, "7", 1273},
    };
    ASSERT_TRUE(f.model()->setData(f.cell(0, RxType), 1));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const Record before = f.channel(0);
        // The CDCSS cell is inert for a CTCSS channel, and says so the same way.
        const int want = c.column == RxCdcss ? 1273 : c.message;
        EXPECT_EQ(f.model()->writeText(0, c.column, c.text), want);
        EXPECT_EQ(f.channel(0), before);
    }
}

TEST(ChannelGrid, AnEditInOneChannelViewShowsInTheOther)
{
    ChannelGrid f;
    NoticeRelay relay;
    std::unique_ptr<CCustomFormView> single = f.open(ViewCommand::kChannel);
    relay.add(f.view.get());
    relay.add(single.get());
    // Grid to single-channel view.
    EXPECT_EQ(f.model()->writeText(0, RxFreq, "450.5"), 0);
    EXPECT_EQ(findControlAs<CFreqEdit>(single.get(), 3666)->text(), QStringLiteral("450.50000"));
    // Single-channel view to grid.
    auto* tx = findControlAs<CFreqEdit>(single.get(), 3675);
    tx->setText("460");
    leave(tx);
    EXPECT_EQ(f.text(0, TxFreq), QStringLiteral("460.00000"));
    // A channel added in one shows as a row in the other.
    f.store.deleteChannel(15);
    single->navigate(NavAction::kNew);
    EXPECT_EQ(f.model()->rowCount(), 16);
}

TEST(ChannelGrid, ClickingARowMakesItsChannelCurrent)
{
    ChannelGrid f;
    QList<int> numbers;
    QObject::connect(f.view.get(), &CCustomFormView::navigated, [&](int, int n, int) { numbers << n; });
    f.grid()->setCurrentIndex(f.cell(5, Spacing));
    EXPECT_EQ(f.view->currentIndex(), 5);
    EXPECT_EQ(numbers, QList<int>{6});
    f.view->navigate(NavAction::kNext);
    EXPECT_EQ(f.grid()->currentIndex().row(), 6);
}

}  // namespace

TEST(ChannelGrid, TheListButtonLeadsBackToTheSingleChannelEditor)
{
    // Each of the two channel editors asks for the other one.
    ChannelGrid f;
    QSignalSpy fromList(f.view.get(), &CCustomFormView::editorRequested);
    EXPECT_TRUE(f.view->switchEditor());
    ASSERT_EQ(fromList.size(), 1);
    EXPECT_EQ(fromList.front().front().toInt(), ViewCommand::kChannel);

    std::unique_ptr<CCustomFormView> single = f.open(ViewCommand::kChannel);
    QSignalSpy fromSingle(single.get(), &CCustomFormView::editorRequested);
    EXPECT_TRUE(single->switchEditor());
    ASSERT_EQ(fromSingle.size(), 1);
    EXPECT_EQ(fromSingle.front().front().toInt(), ViewCommand::kChannelList);
}
