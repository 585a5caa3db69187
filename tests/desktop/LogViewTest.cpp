// The Log View lists the edits of the codeplug in hand: a new codeplug,
// opened or made new, starts it afresh.
#include "GuiFixture.h"

#include "frame/CChildFrame.h"
#include "frame/CLogBar.h"
#include "frame/CMainFrame.h"
#include "frame/FrameIds.h"
#include "views/RecordTableModel.h"
#include "views/ViewChannelList.h"

TEST_F(GuiFixture, NewAndOpenStartTheLogViewAfresh)
{
    startProgram();
    CMainFrame& frame = app->frame();
    const QString saved = dir.filePath("saved.qav");
    ASSERT_TRUE(app->document().saveAs(saved.toStdString(), ""));

    struct Case {
        const char* name;
        std::function<void()> command;
    };
    const Case cases[] = {
        {"New", [&] { app->newDocument(); }},
        {"Open", [&] { ASSERT_TRUE(app->document().open(saved.toStdString())); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frame.logEdit("Field", "1", "2");
        ASSERT_EQ(frame.logBar()->lineCount(), 1);
        ModalDriver driver;  // New asks first
        c.command();
        EXPECT_EQ(frame.logBar()->lineCount(), 0);
    }
}

// A grid edit names its row, as the channel page names its channel.
TEST_F(GuiFixture, AChannelListEditNamesItsChannel)
{
    startProgram();
    CChildFrame* frame = app->frame().openView(TreeId::kChannelList, "Channel List");
    ASSERT_NE(frame, nullptr);
    auto* list = qobject_cast<CViewChannelList*>(frame->view());
    ASSERT_NE(list, nullptr);
    app->frame().logBar()->clear();
    ASSERT_TRUE(list->model()->setData(list->model()->index(1, 0), "401.5", Qt::EditRole));
    ASSERT_EQ(app->frame().logBar()->lineCount(), 1);
    const QString where = app->frame().logBar()->line(0).value(1);
    EXPECT_TRUE(where.endsWith(" 2")) << where.toStdString();
}
