// The record table model in its real configurations: the test-frequency
// grids (rows inside one record), channel columns (one row per record) and
// the data watch's hexadecimal image (fields of its own).
#include "FakeEditorContext.h"

#include "controls/BoundField.h"
#include "model/ChannelRecord.h"
#include "model/TestFreqRecord.h"
#include "views/RecordTableDelegate.h"
#include "views/DataWatchTable.h"
#include "views/RecordTableModel.h"
#include "views/TestFreqTables.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTableView>
#include <gtest/gtest.h>

namespace {

struct TestFreqGrid {
    FakeLanguage lang;
    FakeSection section{TestFreqField::kSize, 1, 1, true};
    RecordTableModel tests{TestFreqTables::tests(), section, lang};
    RecordTableModel points{TestFreqTables::points(), section, lang};
    TestFreqGrid()
    {
        ModelValues model;
        model.freqRange = "400-470";
        loadTestFreqFactoryValues(*section.at(0), model);
    }
    Record& record() { return *section.at(0); }
};

TEST(TestFreqGrid, ShowsSixteenTestsAndFivePointsWithEmptyZeroWords)
{
    TestFreqGrid g;
    ASSERT_EQ(g.tests.rowCount(), 16);
    ASSERT_EQ(g.points.rowCount(), 5);
    EXPECT_EQ(g.tests.columnCount(), 2);
    EXPECT_EQ(g.tests.index(0, 0).data().toString(), "400.15000");
    EXPECT_EQ(g.tests.index(0, 1).data().toString(), "400.00000");
    EXPECT_EQ(g.tests.index(8, 1).data().toString(), "470.00000");
    EXPECT_EQ(g.tests.index(9, 0).data().toString(), "") << "a zero word is an empty cell";
    EXPECT_EQ(g.points.index(4, 0).data().toString(), "469.85000");
    EXPECT_EQ(g.tests.headerData(0, Qt::Horizontal).toString(), "Rx Freq[MHz]");
    EXPECT_EQ(g.tests.headerData(15, Qt::Vertical).toInt(), 16);
}

struct StoreCase {
    bool point;
    int row;
    int column;
    const char* typed;
    const char* shown;
    Offset stepAt;
    unsigned stepLo;
    unsigned step;
};

class TestFreqStore : public ::testing::TestWithParam<StoreCase> {};

TEST_P(TestFreqStore, PutsTheFrequencyOnItsStepAndStoresTheStepBesideIt)
{
    const StoreCase& c = GetParam();
    TestFreqGrid g;
    RecordTableModel& m = c.point ? g.points : g.tests;
    const Record before = g.record();
    QSignalSpy edited(&m, &RecordTableModel::edited);
    ASSERT_TRUE(m.setData(m.index(c.row, c.column), QString::fromLatin1(c.typed)));
    EXPECT_EQ(m.index(c.row, c.column).data().toString().toStdString(), c.shown);
    EXPECT_EQ(g.record().bits(c.stepAt, c.stepLo, 4), c.step);
    EXPECT_EQ(edited.count(), 1);
    // Nothing but the cell's word and its step changed.
    const FieldDesc* word = findBoundField(Section::TestFreq, cellFieldName(m.column(c.column), c.row));
    ASSERT_TRUE(word);
    for (std::size_t i = 0; i < g.record().size(); ++i) {
        if (i >= word->offset && i < word->offset + 4) continue;
        const unsigned mask = i == c.stepAt ? ~(0xFu << c.stepLo) & 0xFF : 0xFF;
        EXPECT_EQ(g.record().u8(i) & mask, before.u8(i) & mask) << "byte " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cells, TestFreqStore,
    ::testing::Values(StoreCase{false, 9, 0, "400.1234", "400.11250", 98, 0, 6},   // off grid: down to 12.5 kHz
                      StoreCase{false, 3, 1, "410.01", "410.01000", 39, 0, 7},     // 10 kHz
                      StoreCase{false, 0, 0, "", "", 8, 0, 0},                     // emptied: zero word
                      StoreCase{true, 2, 0, "450.005", "450.00500", 202, 0, 2},    // 5 kHz, receive nibble
                      StoreCase{true, 2, 1, "450.00625", "450.00625", 202, 4, 3}), // 6.25 kHz, transmit nibble
    [](const auto& info) { return std::to_string(info.index); });

constexpr TableColumn kChannelColumns[] = {
    {3665, "Rx Freq", "rx_frequency", CellKind::Freq},
    {3662, "Power", "power", CellKind::Option, 3663},
    {3707, "Auto Scan", "auto_start_scan", CellKind::Inert},
};

TEST(ChannelColumns, OneRowPerChannelWithChoicesByValue)
{
    FakeLanguage lang;
    lang.captions[3663] = "0.Low;1.High;2.High";   // two items share a text
    lang.captions[3662] = "Power";
    FakeSection channels(ChannelField::kSize, 3, 16);
    channels.at(1)->setU32(4, 0x45012500);
    channels.at(1)->setBits(17, 4, 4, 2);
    RecordTableModel m({Section::Channels, kChannelColumns}, channels, lang);

    EXPECT_EQ(m.rowCount(), 3);
    EXPECT_EQ(m.headerData(1, Qt::Horizontal).toString(), "Power");
    EXPECT_EQ(m.headerData(0, Qt::Horizontal).toString(), "Rx Freq") << "no caption text: the built-in heading";
    EXPECT_EQ(m.index(1, 0).data().toString(), "450.12500");
    EXPECT_EQ(m.index(1, 1).data().toString(), "High");
    EXPECT_EQ(m.index(1, 1).data(Qt::EditRole).toInt(), 2);
    EXPECT_FALSE(m.flags(m.index(0, 2)) & Qt::ItemIsEditable);
    EXPECT_FALSE(m.setData(m.index(0, 2), "1"));

    // The delegate's drop-down stores the chosen item's value, not the first item with its text.
    RecordTableDelegate delegate(lang);
    QWidget parent;
    std::unique_ptr<QWidget> editor(delegate.createEditor(&parent, {}, m.index(0, 1)));
    auto* combo = qobject_cast<QComboBox*>(editor.get());
    ASSERT_TRUE(combo);
    combo->setCurrentIndex(2);
    delegate.setModelData(combo, &m, m.index(0, 1));
    EXPECT_EQ(channels.at(0)->bits(17, 4, 4), 2u);
    EXPECT_EQ(channels.at(1)->bits(17, 4, 4), 2u) << "other rows untouched";

    EXPECT_FALSE(m.setData(m.index(0, 1), "Medium")) << "a text outside the list changes nothing";
    EXPECT_EQ(channels.at(0)->bits(17, 4, 4), 2u);
    EXPECT_EQ(delegate.createEditor(&parent, {}, m.index(0, 2)), nullptr) << "inert cells never edit";
}

TEST(DataWatchGrid, ShowsEveryImageByteAsHexAtItsLineAndColumnAndEditsNone)
{
    FakeLanguage lang;
    FakeSection image(Image::kSize, 1, 1, true);
    Record& bytes = *image.at(0);
    for (std::size_t i = 0; i < Image::kSize; ++i) bytes.setU8(i, static_cast<std::uint8_t>(i * 7));
    RecordTableModel m(DataWatchTable::config(), image, lang);

    ASSERT_EQ(m.rowCount(), 512);
    ASSERT_EQ(m.columnCount(), 16);
    EXPECT_EQ(m.headerData(0, Qt::Vertical).toString(), "F:000_");
    EXPECT_EQ(m.headerData(0x1A, Qt::Vertical).toString(), "F:01A_");
    EXPECT_EQ(m.headerData(511, Qt::Vertical).toString(), "F:1FF_");
    EXPECT_EQ(m.headerData(0, Qt::Horizontal).toString(), "_0");
    EXPECT_EQ(m.headerData(15, Qt::Horizontal).toString(), "_F");

    // Every byte at its cell, as two upper-case digits; no cell takes an edit.
    for (std::size_t i = 0; i < Image::kSize; ++i) {
        const auto [row, column] = DataWatchTable::cellOf(i);
        const QModelIndex cell = m.index(row, column);
        ASSERT_EQ(cell.data().toString(), QString::asprintf("%.2X", static_cast<unsigned>(bytes.u8(i)))) << i;
        ASSERT_FALSE(m.flags(cell) & Qt::ItemIsEditable) << i;
    }
    const Record before = bytes;
    EXPECT_FALSE(m.setData(m.index(3, 4), "00"));
    EXPECT_TRUE(bytes == before);

    // The grid shows the record as it is now.
    bytes.setU8(0x1A0, 0x05);
    EXPECT_EQ(m.index(0x1A, 0).data().toString(), "05");
}

}  // namespace
