// The data watch over a test image: the grid's bytes, what a comparison
// marks and lists, and the links between list, cells and detail.
#include "FakeEditorContext.h"

#include "views/DataWatchView.h"
#include "views/EditorFactory.h"
#include "views/ViewIds.h"

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableView>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct DataWatchFixture {
    FakeEditorContext ctx;
    std::unique_ptr<CCustomFormView> view;
    DataWatchFixture()
    {
        ctx.addSection(Section::RadioInfo, 72, 1, 1, true);
        ctx.image.assign(8192, 0xFF);
        ctx.image[0x10] = 0x51;
        view.reset(createEditorView(ViewCommand::kDataWatch, ctx));
    }
    CDataWatchView* watch() const { return static_cast<CDataWatchView*>(view.get()); }
    QStringList lines() const
    {
        QStringList out;
        for (int i = 0; i < watch()->changeList()->count(); ++i) out << watch()->changeList()->item(i)->text();
        return out;
    }
};

TEST(DataWatchView, ShowsTheImageWithEachByteNamedByItsField)
{
    DataWatchFixture f;
    ASSERT_TRUE(f.watch());
    EXPECT_EQ(f.watch()->grid()->model()->rowCount(), 512);
    EXPECT_EQ(f.watch()->cellText(0x10), "51");
    EXPECT_EQ(f.watch()->cellText(0x1FFF), "FF");
    const QString tip = f.watch()->grid()->model()->index(1, 0).data(Qt::ToolTipRole).toString();
    EXPECT_TRUE(tip.contains("radio_information, model_name")) << tip.toStdString();
}

TEST(DataWatchView, ListsEachChangeMarksItsCellAndDescribesTheLast)
{
    DataWatchFixture f;
    f.watch()->compare();
    EXPECT_TRUE(f.lines().isEmpty()) << "nothing changed";

    f.ctx.image[0x1A0] = 0x05;
    f.watch()->compare();
    f.watch()->compare();
    f.ctx.image[0x1A0] = 0x06;
    f.watch()->compare();
    EXPECT_EQ(f.lines(), (QStringList{"$E.0x1A0:FF->05", "$E.0x1A0:05->06"}));
    EXPECT_EQ(f.watch()->cellText(0x1A0), "06");
    EXPECT_TRUE(f.watch()->cellMarked(0x1A0));
    EXPECT_FALSE(f.watch()->cellMarked(0x1A1));
    EXPECT_TRUE(f.watch()->detail()->toPlainText().startsWith("$E.0x1A0:05->06\n$E.0x1A0:00000101\n->00000110"));
    EXPECT_EQ(f.watch()->currentOffset(), 0x1A0);

    // The list line follows a clicked cell; a cell without changes selects none.
    f.watch()->changeList()->setCurrentRow(0);
    EXPECT_TRUE(f.watch()->detail()->toPlainText().startsWith("$E.0x1A0:255->05"));
    emit f.watch()->grid()->clicked(f.watch()->grid()->model()->index(5, 5));
    EXPECT_EQ(f.watch()->changeList()->currentRow(), -1);
    emit f.watch()->grid()->clicked(f.watch()->grid()->model()->index(0x1A, 0));
    EXPECT_EQ(f.watch()->changeList()->currentRow(), 1) << "the byte's latest change";

    f.watch()->copyChanges();
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("$E.0x1A0:FF->05"));

    f.watch()->clearChanges();
    EXPECT_TRUE(f.lines().isEmpty());
    EXPECT_TRUE(f.watch()->detail()->toPlainText().isEmpty());
    EXPECT_FALSE(f.watch()->cellMarked(0x1A0));
}

}  // namespace
