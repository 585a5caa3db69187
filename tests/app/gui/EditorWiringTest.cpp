// The frame opens the real editors for the entries that have one and hands
// them the store through the editor context.
#include "GuiFixture.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "frame/FrameIds.h"
#include "views/CustomFormView.h"
#include "views/ViewIds.h"

TEST_F(GuiFixture, TreeEntriesOpenTheirEditorsOnTheStore)
{
    startProgram();
    struct Case {
        int commandId;
        int templateId;  // 0: no editor in this build yet
    };
    const Case cases[] = {
        {TreeId::kRadio, FormId::kRadio},
        {TreeId::kMisc, FormId::kMisc},
        {TreeId::kPassword, FormId::kPassword},
        {TreeId::kKeys, 0},
    };
    for (const Case& c : cases) {
        CChildFrame* frame = app->frame().openView(c.commandId, "entry");
        ASSERT_NE(frame, nullptr) << c.commandId;
        auto* view = qobject_cast<CCustomFormView*>(frame->view());
        if (c.templateId == 0) {
            EXPECT_EQ(view, nullptr) << c.commandId;
            continue;
        }
        ASSERT_NE(view, nullptr) << c.commandId;
        EXPECT_EQ(view->templateId(), c.templateId);
        EXPECT_EQ(view->currentRecord(), view->context().section(view->sectionId())->at(0));
    }
    // Closing every window writes the editors back and leaves no view behind.
    app->frame().closeAllWindows();
    EXPECT_TRUE(app->frame().openViews().isEmpty());
}
