// The embedded-message editor in the program: its transfers run through the
// progress dialog on a worker thread against the simulated radio.
#include "GuiFixture.h"
#include "controls/ControlId.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "model/CCodeplugData.h"
#include "views/ViewEmbedded.h"
#include "views/ViewIds.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

constexpr std::size_t kAt = 5160;

void putMessage(SimRadio::Memory& m, int k, const std::string& text)
{
    std::fill_n(m.begin() + kAt + 16 + 32 * k, 32, std::uint8_t{' '});
    std::copy(text.begin(), text.end(), m.begin() + kAt + 16 + 32 * k);
}

}  // namespace

TEST_F(GuiFixture, EmbeddedMessagesAreReadWhenTheEditorOpensAndWrittenWithWrite)
{
    startProgram();
    SimRadio& sim = radio();
    SimRadio::Memory memory{};
    std::fill_n(memory.begin() + kAt, 16, std::uint8_t{' '});
    for (int k = 0; k < 4; ++k) putMessage(memory, k, "radio " + std::to_string(k + 1));
    sim.setMemory(memory);

    ModalDriver driver;
    CChildFrame* frame = app->frame().openView(ViewCommand::kEmbedded, "Embedded Message");
    auto* view = qobject_cast<CViewEmbedded*>(frame->view());
    ASSERT_NE(view, nullptr);
    auto* first = qobject_cast<QLineEdit*>(findControl(view, CViewEmbedded::messageEdit(0)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return first->text() == "radio 1"; }, 5000));
    EXPECT_EQ(store->embeddedMessage.u8(16), 'r');

    first->setText("from the program");
    driver.messages.clear();
    qobject_cast<QPushButton*>(findControl(view, CViewEmbedded::kWrite))->click();
    ASSERT_FALSE(driver.messages.isEmpty());
    EXPECT_EQ(driver.messages.back().toStdString(), settings->message(1137));
    const SimRadio::Memory written = sim.memory();
    EXPECT_EQ(std::string(written.begin() + kAt + 16, written.begin() + kAt + 32), "from the program");
    EXPECT_EQ(written[kAt + 47], ' ');
}

TEST_F(GuiFixture, AnEmbeddedReadFailingMidTransferSaysWhereAndClosesTheEditor)
{
    startProgram();
    SimFault fault;
    fault.kind = SimFaultKind::RefuseBlock;
    fault.address = 5224;
    radio().addFault(fault);
    const Record before = store->embeddedMessage;

    ModalDriver driver;
    CChildFrame* frame = app->frame().openView(ViewCommand::kEmbedded, "Embedded Message");
    QPointer<CChildFrame> alive(frame);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !driver.messages.isEmpty(); }, 5000));
    EXPECT_EQ(driver.messages.back(), QString::fromStdString(settings->message(1138)).replace("%d", "5224"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !alive || !alive->isVisible(); }, 2000));
    EXPECT_EQ(store->embeddedMessage, before);
}

// A window closed before its read began neither reads nor is touched after it
// is gone.
TEST_F(GuiFixture, AnEmbeddedEditorClosedAtOnceReadsNothing)
{
    startProgram();
    radio();
    ModalDriver driver;
    CChildFrame* frame = app->frame().openView(ViewCommand::kEmbedded, "Embedded Message");
    ASSERT_NE(frame, nullptr);
    frame->close();
    QTest::qWait(100);
    EXPECT_TRUE(driver.progressTexts.isEmpty());
    EXPECT_TRUE(app->frame().openViews().isEmpty());
}
