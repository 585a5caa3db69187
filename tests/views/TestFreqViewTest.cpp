// The test-frequency editor: its two grids over the one record, typed cells
// reaching the record and the change notices, and outside changes shown.
#include "SignallingFixture.h"

#include "model/FreqBcd.h"
#include "model/TestFreqRecord.h"
#include "views/TestFreqTables.h"
#include "views/ViewIds.h"
#include "views/ViewTestFreq.h"

#include <QGroupBox>
#include <QSignalSpy>
#include <QTableView>

namespace {

struct TestFreqViewFixture : SignallingFixture {
    TestFreqViewFixture() : SignallingFixture(Section::TestFreq, TestFreqField::kSize, 1, 1, true, {{4000, 4011}})
    {
        ModelValues model;
        model.freqRange = "136-174";
        loadTestFreqFactoryValues(record(), model);
        open(ViewCommand::kTestFreq);
    }
    CViewTestFreq* editor() const { return static_cast<CViewTestFreq*>(view.get()); }
    void typeCell(QTableView* grid, int row, int column, const QString& text)
    {
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(row, column));
        QTest::keyClick(grid, Qt::Key_F2);
        QWidget* edit = QApplication::focusWidget();
        ASSERT_TRUE(edit && edit != grid);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Delete);
        else QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
        QCoreApplication::processEvents();   // the grid commits the edit queued
    }
};

TEST(TestFreqView, ShowsBothGridsTitledByTheLanguageFile)
{
    TestFreqViewFixture f;
    ASSERT_TRUE(f.editor()->testGrid() && f.editor()->pointGrid());
    EXPECT_EQ(f.control<QGroupBox>(TestFreqTables::kTestGrid)->title(), "TEST FREQ");
    EXPECT_EQ(f.control<QGroupBox>(TestFreqTables::kPointGrid)->title(), "POINT FREQ");
    EXPECT_EQ(f.editor()->testGrid()->model()->rowCount(), 16);
    EXPECT_EQ(f.editor()->pointGrid()->model()->rowCount(), 5);
    EXPECT_EQ(f.editor()->testGrid()->model()->index(0, 0).data().toString(), "136.15000");
    EXPECT_EQ(f.editor()->pointGrid()->model()->index(4, 1).data().toString(), "174.00000");
}

struct TypedCase {
    bool point;
    int row;
    int column;
    const char* typed;
    std::uint32_t word;    // what the record holds afterwards
    Offset wordAt;
};

class TestFreqViewTyping : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TestFreqViewTyping, StoresTheTypedCellOnItsStepAndAnnouncesIt)
{
    const TypedCase& c = GetParam();
    TestFreqViewFixture f;
    QSignalSpy notices(f.view.get(), &CCustomFormView::changeNotice);
    QTableView* grid = c.point ? f.editor()->pointGrid() : f.editor()->testGrid();
    f.typeCell(grid, c.row, c.column, QString::fromLatin1(c.typed));
    EXPECT_EQ(f.record().u32(c.wordAt), c.word);
    ASSERT_EQ(notices.count(), 1);
    const auto n = notices.at(0).at(0).value<ChangeNotice>();
    EXPECT_EQ(n.controlId, c.point ? TestFreqTables::kPointGrid : TestFreqTables::kTestGrid);
    EXPECT_EQ(n.section, Section::TestFreq);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, TestFreqViewTyping,
    ::testing::Values(TypedCase{false, 9, 0, "150.0125", 0x15001250, TestFreqField::testRx(9)},
                      // Off every step: rounded down to 12.5 kHz.
                      TypedCase{false, 2, 1, "150.0031", 0x15000000, TestFreqField::testTx(2)},
                      TypedCase{true, 1, 0, "145.005", 0x14500500, TestFreqField::pointRx(1)},
                      // An emptied cell is the zero word.
                      TypedCase{true, 4, 1, "", 0, TestFreqField::pointTx(4)}));

TEST(TestFreqView, ShowsWhatAnotherEditorChanged)
{
    TestFreqViewFixture f;
    f.record().setU32(TestFreqField::testRx(3), FreqBcd::fromUnits(14012500));
    ChangeNotice n;
    n.section = Section::TestFreq;
    f.view->receiveNotice(n);
    EXPECT_EQ(f.editor()->testGrid()->model()->index(3, 0).data().toString(), "140.12500");
}

}  // namespace
