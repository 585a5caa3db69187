// The Log View lists the edits of the codeplug in hand: a new codeplug,
// opened or made new, starts it afresh.
#include "GuiFixture.h"

#include "frame/CMainFrame.h"

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
