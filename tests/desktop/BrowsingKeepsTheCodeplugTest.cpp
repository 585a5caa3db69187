// Opening an editor and stepping through its records, without touching a
// control, must leave the codeplug as it was: the editors write their
// controls back when they close, and a control that cannot show a stored
// value would otherwise change it behind the user's back.
#include "GuiFixture.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "frame/FrameIds.h"
#include "views/ChangeNotice.h"
#include "views/CustomFormView.h"
#include "views/ViewIds.h"

#include <QApplication>

TEST_F(GuiFixture, BrowsingEveryEditorsRecordsLeavesTheCodeplugUnchanged)
{
    startProgram();
    const int editors[] = {TreeId::kRadio,          TreeId::kMisc,
                           TreeId::kPassword,       TreeId::kKeys,
                           ViewCommand::kAlertTone, ViewCommand::kTwoToneSystem,
                           ViewCommand::kTwoToneCall, ViewCommand::kPttId,
                           ViewCommand::kDos,       ViewCommand::kAtis,
                           TreeId::kTestFreq,       ViewCommand::kChannel,
                           ViewCommand::kChannelList, ViewCommand::kPersonality,
                           ViewCommand::kScan};
    for (const char* file : {"factory.qav", "edges.qav", "random.qav"}) {
        SCOPED_TRACE(file);
        const std::string path = QAV_TESTS_DIR "/golden/" + std::string(file);
        for (int id : editors) {
            SCOPED_TRACE(id);
            ASSERT_TRUE(app->document().open(path));
            store->pack();
            const auto before = store->image();
            CChildFrame* frame = app->frame().openView(id, "entry");
            ASSERT_NE(frame, nullptr);
            if (auto* view = qobject_cast<CCustomFormView*>(frame->view()))
                for (int i = 1; i < view->recordCount(); ++i) view->navigate(NavAction::kNext);
            QApplication::processEvents();
            app->frame().closeAllWindows();
            EXPECT_FALSE(app->document().isModified());
            store->pack();
            const auto after = store->image();
            for (std::size_t b = 0; b < before.size(); ++b)
                if (before[b] != after[b]) {
                    ADD_FAILURE() << "byte " << b << ": " << int(before[b]) << " -> " << int(after[b]);
                    break;
                }
        }
    }
}
