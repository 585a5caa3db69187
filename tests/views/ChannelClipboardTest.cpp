// Copy and paste of channel rows as spreadsheet text, and deleting several
// rows at once.
#include "StoreFixture.h"

#include "model/ChannelRecord.h"
#include "views/GridClipboard.h"
#include "views/RecordGrid.h"
#include "views/RecordTableModel.h"
#include "views/ViewChannelList.h"
#include "views/ViewIds.h"

#include <QItemSelectionModel>
#include <gtest/gtest.h>

namespace {

struct ChannelRows : StoreFixture {
    std::unique_ptr<CCustomFormView> view = open(ViewCommand::kChannelList);
    QStringList shown;
    ChannelRows()
    {
        QObject::connect(view.get(), &CCustomFormView::textMessage, [this](const QString& t) { shown << t; });
        QObject::connect(view.get(), &CCustomFormView::pageMessage,
                         [this](int id) { shown << QString::fromStdString(settings->message(id)); });
    }
    CViewChannelList* list() { return static_cast<CViewChannelList*>(view.get()); }
    RecordTableModel* model() { return list()->model(); }
    Record& channel(int i) { return store.channels[static_cast<std::size_t>(i)].record; }
    void select(std::initializer_list<int> rows)
    {
        auto* sel = list()->grid()->selectionModel();
        sel->clearSelection();
        for (int r : rows)
            sel->select(model()->index(r, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
};

TEST(ChannelClipboard, CopiedRowsPasteIntoAnotherCodeplugAsTheSameChannels)
{
    ChannelRows from;
    // Rows that differ from the defaults in every kind of cell.
    ASSERT_EQ(from.model()->writeText(0, 0, "433.0125"), 0);
    ASSERT_EQ(from.model()->writeText(0, 5, "CDCSS Inverted"), 0);
    ASSERT_EQ(from.model()->writeText(0, 7, "754"), 0);
    ASSERT_EQ(from.model()->writeText(1, 1, "CDCSS"), 0);
    ASSERT_EQ(from.model()->writeText(1, 3, "023"), 0);
    ASSERT_EQ(from.model()->writeText(1, 8, "12.5 kHz"), 0);
    ASSERT_EQ(from.model()->writeText(2, 2, "67.1"), 0);
    ASSERT_EQ(from.model()->writeText(2, 11, "None"), 0);
    ASSERT_EQ(from.model()->writeText(2, 12, "On"), 0);
    const QString text = GridClipboard::copyRows(*from.model(), {0, 1, 2});
    EXPECT_TRUE(text.startsWith(QStringLiteral("RX Frequency[MHz]\tRX Type\t")));

    ChannelRows to;
    to.select({5, 6, 7});
    to.list()->paste(text);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(to.channel(5 + i), from.channel(i)) << i;
    EXPECT_EQ(to.store.channels.size(), 16u);
    EXPECT_TRUE(to.shown.isEmpty()) << to.shown.join('\n').toStdString();
}

TEST(ChannelClipboard, SpreadsheetTextWithABadCellKeepsThatCellAndTakesTheRest)
{
    ChannelRows f;
    const Record before = f.channel(3);
    // Columns in another order, Windows line ends, a frequency that is none.
    const QString text = QStringLiteral(
        "Power Level\tRX Frequency[MHz]\tTX Frequency[MHz]\r\n"
        "Low\t4O1.5\t402.25\r\n");
    f.select({3});
    f.list()->paste(text);
    EXPECT_EQ(f.channel(3).u32(ChannelField::RxFreq), before.u32(ChannelField::RxFreq));
    EXPECT_EQ(f.channel(3).u32(ChannelField::TxFreq), 0x40225000u);
    EXPECT_EQ(f.channel(3).bits(ChannelField::SpacingPower, 4, 4), 0u);
    ASSERT_EQ(f.shown.size(), 1);
    EXPECT_TRUE(f.shown[0].contains(QStringLiteral("Row 4, RX Frequency[MHz]"))) << f.shown[0].toStdString();
}

TEST(ChannelClipboard, RowsBeyondTheChannelLimitAreLeftOutAndCounted)
{
    ChannelRows f;
    for (int i = 0; i < 2; ++i) f.store.deleteChannel(0);
    f.model()->refresh();
    QString text;
    for (int i = 0; i < 5; ++i) text += QStringLiteral("41%1.5\n").arg(i);
    f.select({});
    f.list()->paste(text);
    EXPECT_EQ(f.store.channels.size(), 16u);
    EXPECT_EQ(f.channel(15).u32(ChannelField::RxFreq), 0x41150000u);
    ASSERT_EQ(f.shown.size(), 1);
    EXPECT_TRUE(f.shown[0].startsWith(QStringLiteral("3 rows were left out"))) << f.shown[0].toStdString();
}

TEST(ChannelClipboard, DeletingSelectedRowsKeepsTheLastChannel)
{
    ChannelRows f;
    const int keep = f.store.channels[0].id;
    f.select({1, 2, 3});
    f.list()->deleteSelection();
    EXPECT_EQ(f.store.channels.size(), 13u);
    QList<int> every;
    f.model()->refresh();
    auto* sel = f.list()->grid()->selectionModel();
    for (int r = 0; r < 13; ++r)
        sel->select(f.model()->index(r, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    f.list()->deleteSelection();
    ASSERT_EQ(f.store.channels.size(), 1u);
    EXPECT_EQ(f.store.channels[0].id, keep);
}

}  // namespace
