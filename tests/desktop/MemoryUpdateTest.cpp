// Memory Update rebuilds the image from the editors and shows the change in
// an open data watch.
#include "GuiFixture.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "frame/FrameIds.h"
#include "model/RadioInfoRecord.h"
#include "views/DataWatchView.h"

#include <QListWidget>
#include <QMdiArea>

TEST_F(GuiFixture, MemoryUpdateRebuildsTheImageAndShowsTheChangeInTheDataWatch)
{
    startProgram();
    store->pack();
    // Without a data watch the image is only rebuilt.
    store->radioInfo.setU8(RadioInfoField::ModelName, 'Z');
    app->frame().runCommand(Cmd::kMemoryUpdate);
    EXPECT_EQ(store->image()[16], 'Z');

    CChildFrame* watchFrame = app->frame().openView(TreeId::kDataWatch, "Data Watch");
    ASSERT_TRUE(watchFrame);
    auto* watch = qobject_cast<CDataWatchView*>(watchFrame->view());
    ASSERT_TRUE(watch);
    EXPECT_EQ(watch->cellText(16), "5A");
    app->frame().openView(TreeId::kRadio, "Radio");

    store->radioInfo.setU8(RadioInfoField::ModelName, 'Y');
    app->frame().runCommand(Cmd::kMemoryUpdate);
    ASSERT_EQ(watch->changeList()->count(), 1);
    EXPECT_EQ(watch->changeList()->item(0)->text(), "$E.0x10:5A->59");
    EXPECT_EQ(app->frame().mdiArea()->activeSubWindow(), watchFrame);
}
