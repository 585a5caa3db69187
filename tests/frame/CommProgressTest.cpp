#include "FakeFrameHost.h"
#include "frame/CDlgCommProgress.h"
#include "settings/TextIds.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <thread>
#include <gtest/gtest.h>

namespace {

// Answers the message boxes the dialog opens and remembers what they said.
struct BoxAnswerer {
    QStringList texts;
    QList<QMessageBox::Icon> icons;
    QTimer timer;

    BoxAnswerer()
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                icons << box->icon();
                box->button(QMessageBox::Ok)->click();
            }
        });
        timer.start();
    }
};

FakeFrameHost progressTexts()
{
    FakeFrameHost host;
    host.captions = {{1601, "Read from Radio"}, {1602, "Write to Radio"}, {1604, "Reading... %d"},
                     {1605, "Writing... %d"}};
    host.messages = {{1136, "Read complete."},  {1137, "Write complete."},
                     {1138, "Read failed at %d."}, {1139, "Write failed at %d."},
                     {1142, "Radio band %s."},     {1143, "No radio."},
                     {1146, "No identity."},       {1172, "Wrong model."},
                     {818, "Firmware %s."},        {1176, "Wrong password."}};
    return host;
}

bool buttonsEnabled(const CDlgCommProgress& dlg)
{
    for (QPushButton* b : dlg.findChildren<QPushButton*>())
        if (!b->isEnabled()) return false;
    return true;
}

// Processes events until `done` holds or five seconds have passed.
template <class Pred>
bool waitFor(Pred done)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

}  // namespace

TEST(CommProgress, EachEndOfASessionShowsItsMessageAndEndsTheDialogAsItShould)
{
    enum class End { Accepted, Rejected, StaysOpen };
    struct Case {
        const char* name;
        CDlgCommProgress::Mode mode;
        Outcome outcome;
        std::string port;  // where the radio answered; "" none did
        int percent;       // reported before the end; -1 none
        QString message;   // "" none shown
        End end;
        QString status;    // the text above the bar afterwards
    };
    using M = CDlgCommProgress::Mode;
    const Case cases[] = {
        {"read done", M::Read, {true, 1136, {}}, "sim", 100, "Read complete.", End::Accepted, "Reading... 100%"},
        {"write done", M::Write, {true, 1137, {}}, "sim", 100, "Write complete.", End::Accepted, "Writing... 100%"},
        {"no radio anywhere", M::Read, Outcome::failure(1143), "", -1, "No radio.", End::StaysOpen, ""},
        {"mode not answered", M::Write, Outcome::failure(1143), "3", -1, "No radio.", End::Rejected, ""},
        {"identity unreadable", M::Read, Outcome::failure(1146), "3", -1, "No identity.", End::Rejected, ""},
        {"other model", M::Read, Outcome::failure(1172), "3", -1, "Wrong model.", End::Rejected, ""},
        {"other firmware", M::Read, Outcome::failure(818, {"2.00"}), "3", -1, "Firmware 2.00.", End::Rejected, ""},
        {"range outside the band", M::Write, Outcome::failure(1142, {"136-174"}), "3", -1, "Radio band 136-174.",
         End::Rejected, ""},
        {"password cancelled", M::Write, Outcome::failure(0), "3", -1, "", End::Rejected, ""},
        {"third wrong password", M::Read, Outcome::failure(1176), "3", -1, "Wrong password.", End::Rejected, ""},
        {"first block", M::Read, Outcome::failure(1138, {"0"}), "3", 0, "Read failed at 0.", End::Rejected,
         "Reading... 0%"},
        {"the stamp", M::Write, Outcome::failure(1139, {"32"}), "3", 100, "Write failed at 32.", End::Rejected,
         "Writing... 100%"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FakeFrameHost host = progressTexts();
        TransferResult result;
        result.outcome = c.outcome;
        result.port = c.port;
        std::atomic<int> runs{0};
        CDlgCommProgress dlg(host, c.mode, [&](std::function<void(int)> progress) {
            ++runs;
            if (c.percent >= 0) progress(c.percent);
            return result;
        });
        EXPECT_EQ(dlg.windowTitle(), c.mode == M::Read ? "Read from Radio" : "Write to Radio");
        BoxAnswerer answers;
        bool ended = false;
        QObject::connect(&dlg, &QDialog::finished, [&] { ended = true; });
        dlg.show();
        dlg.start();
        EXPECT_FALSE(buttonsEnabled(dlg));
        ASSERT_TRUE(waitFor([&] {
            return ended || (!dlg.running() && answers.texts.size() == 1 && buttonsEnabled(dlg));
        }));
        EXPECT_EQ(runs, 1);
        EXPECT_EQ(answers.texts, c.message.isEmpty() ? QStringList{} : QStringList{c.message});
        if (!c.message.isEmpty()) {
            EXPECT_EQ(answers.icons.front(), c.outcome.ok ? QMessageBox::Information : QMessageBox::Warning);
        }
        switch (c.end) {
        case End::Accepted: EXPECT_TRUE(ended && dlg.QDialog::result() == QDialog::Accepted); break;
        case End::Rejected: EXPECT_TRUE(ended && dlg.QDialog::result() == QDialog::Rejected); break;
        case End::StaysOpen:
            EXPECT_FALSE(ended);
            EXPECT_TRUE(dlg.isVisible());
            break;
        }
        if (!c.status.isEmpty()) {
            EXPECT_EQ(dlg.statusText(), c.status);
            EXPECT_EQ(dlg.percent(), c.percent);
        }
    }
}

TEST(CommProgress, ARunningTransferCannotBeCancelledOrClosed)
{
    const FakeFrameHost host = progressTexts();
    std::atomic<bool> release{false};
    CDlgCommProgress dlg(host, CDlgCommProgress::Mode::Write, [&](std::function<void(int)> progress) {
        progress(40);
        while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(2));
        TransferResult r;
        r.outcome = Outcome{true, 1137, {}};
        r.port = "sim";
        r.identityAccepted = true;
        return r;
    });
    BoxAnswerer answers;
    bool ended = false;
    QObject::connect(&dlg, &QDialog::finished, [&] { ended = true; });
    dlg.show();
    dlg.start();
    ASSERT_TRUE(waitFor([&] { return dlg.percent() == 40; }));
    EXPECT_EQ(dlg.statusText(), "Writing... 40%");
    dlg.reject();  // Escape and the Cancel button
    dlg.close();   // the window's close button
    QApplication::processEvents();
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_FALSE(ended);
    release = true;
    ASSERT_TRUE(waitFor([&] { return ended; }));
    EXPECT_EQ(dlg.QDialog::result(), QDialog::Accepted);
}

TEST(CommProgress, StartOnShowRunsTheSessionOnceWithoutOk)
{
    const FakeFrameHost host = progressTexts();
    std::atomic<int> runs{0};
    CDlgCommProgress dlg(host, CDlgCommProgress::Mode::Write, [&](std::function<void(int)>) {
        ++runs;
        TransferResult r;
        r.outcome = Outcome{true, 1153, {}};
        r.port = "sim";
        r.identityAccepted = true;
        return r;
    });
    dlg.setStartOnShow(true);
    BoxAnswerer answers;
    bool ended = false;
    QObject::connect(&dlg, &QDialog::finished, [&] { ended = true; });
    dlg.show();
    ASSERT_TRUE(waitFor([&] { return ended; }));
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(dlg.QDialog::result(), QDialog::Accepted);
}
