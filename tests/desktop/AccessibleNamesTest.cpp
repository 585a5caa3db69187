// Every control a technician can reach in an editor has a name a screen
// reader can say, in both languages: its label's text, its row and column
// in a table of edits, or the box or window around a grid.
#include "GuiFixture.h"
#include "controls/ControlId.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "frame/FrameIds.h"
#include "views/ViewAlertTone.h"
#include "views/ViewIds.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>

namespace {

bool reachable(const QWidget* w, const QWidget* frame)
{
    const bool control = qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
                         qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
                         (qobject_cast<const QLineEdit*>(w) && !qobject_cast<const QComboBox*>(w->parentWidget()));
    return control && w->isVisibleTo(frame) && w->focusPolicy() != Qt::NoFocus;
}

QString spokenName(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name).trimmed() : QString();
}

struct AccessibleNames : GuiFixture, ::testing::WithParamInterface<bool> {};

}  // namespace

TEST_P(AccessibleNames, EveryEditorControlHasANameToSay)
{
    if (GetParam())
        startProgram(GuiFixture::useChinese);
    else
        startProgram();
    ModalDriver driver;  // the password editor asks first; the embedded message finds no radio
    driver.onDialog = [](QDialog* d) { d->reject(); };
    app->frame().show();
    for (int id : {TreeId::kRadio, TreeId::kMisc, TreeId::kPassword, TreeId::kKeys, TreeId::kScan, TreeId::kChannel,
                   TreeId::kChannelList, ViewCommand::kPersonality, TreeId::kTestFreq, TreeId::kDataWatch,
                   ViewCommand::kAlertTone, ViewCommand::kTwoToneSystem, ViewCommand::kTwoToneCall, ViewCommand::kPttId,
                   ViewCommand::kDos, ViewCommand::kAtis}) {
        CChildFrame* frame = app->frame().openView(id, "entry");
        ASSERT_NE(frame, nullptr) << id;
        QApplication::processEvents();
        for (QWidget* w : frame->view()->findChildren<QWidget*>()) {
            if (!reachable(w, frame)) continue;
            EXPECT_FALSE(spokenName(w).isEmpty())
                << "editor " << id << ": " << w->metaObject()->className() << " " << controlId(w);
        }
        if (id == TreeId::kPassword && !GetParam()) {
            // A button that shows only "..." (the change-password button) is named after its row.
            EXPECT_EQ(spokenName(findControl(frame->view(), 6358)),
                      "Radio Write/Tune/Dealer Data Password ...");
        }
        if (id == ViewCommand::kAlertTone && !GetParam()) {
            // A table of edits: the row, then the column.
            EXPECT_EQ(spokenName(findControl(frame->view(), CViewAlertTone::frequencyEdit(0))), "1 Frequency[Hz]");
            EXPECT_EQ(spokenName(findControl(frame->view(), CViewAlertTone::durationEdit(7))), "8 Duration[ms]");
        }
        frame->close();
        QApplication::processEvents();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, AccessibleNames, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Chinese" : "English"; });
