// The splash under a real X server and window manager, driven by real
// keyboard input (XTEST through xdotool): a key press must reach it and
// close it, which only happens when the window manager gave it the focus.
// Skipped, with the reason, where Xvfb, openbox or xdotool are missing.
#include "GuiFixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// Runs a program to its end; its exit status, -1 when it did not end in time.
int run(const QString& program, const QStringList& args, const QProcessEnvironment& env, int timeoutMs = 5000)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(1000);
        return -1;
    }
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

// What a program printed, trimmed; empty when it failed or did not end in time.
QString output(const QString& program, const QStringList& args, const QProcessEnvironment& env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(2000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        p.kill();
        p.waitForFinished(1000);
        return {};
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

// Stops a process this test started, and waits for it.
void stop(QProcess& p)
{
    if (p.state() == QProcess::NotRunning) return;
    p.terminate();
    if (!p.waitForFinished(3000)) {
        p.kill();
        p.waitForFinished(3000);
    }
}

bool waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs) {
        if (condition()) return true;
        QThread::msleep(50);
    }
    return condition();
}

}  // namespace

TEST(SplashRealInput, AKeyPressUnderAWindowManagerClosesTheSplash)
{
    QStringList missing;
    QString tool[3];
    const char* names[3] = {"Xvfb", "openbox", "xdotool"};
    for (int i = 0; i < 3; ++i) {
        tool[i] = QStandardPaths::findExecutable(names[i]);
        if (tool[i].isEmpty()) missing << names[i];
    }
    if (!missing.isEmpty()) GTEST_SKIP() << "real keyboard input needs " << missing.join(", ").toStdString();
    const QString program = QStringLiteral(QAV_BIN_DIR "/qav-cps");
    if (!QFileInfo::exists(program)) GTEST_SKIP() << "qav-cps is not built";
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    GuiFixture::copyData(home.path());
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    env.remove("QT_QPA_PLATFORM");

    // Started here and stopped here, whatever the outcome.
    QProcess xvfb, wm, qav;
    struct StopAll {
        QProcess* processes[3];
        ~StopAll()
        {
            for (QProcess* p : processes) stop(*p);
        }
    } stopAll{{&qav, &wm, &xvfb}};

    // Xvfb picks a display nobody uses and says which: choosing one here
    // could race another X server starting at the same time.
    xvfb.start(tool[0], {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    QByteArray said;
    ASSERT_TRUE(waitFor(
        [&] {
            xvfb.waitForReadyRead(50);
            said += xvfb.readAllStandardOutput();
            return said.contains('\n');
        },
        10000))
        << "Xvfb did not start";
    bool number = false;
    const int display = said.trimmed().toInt(&number);
    ASSERT_TRUE(number) << said.toStdString();
    env.insert("DISPLAY", QString(":%1").arg(display));
    wm.setProcessEnvironment(env);
    wm.start(tool[1], {});
    ASSERT_TRUE(wm.waitForStarted(5000)) << "openbox did not start";
    // The window manager has taken over the screen once it holds the focus
    // itself; a window mapped before that is never given the keyboard.
    const auto wmReady = [&] { return output(tool[2], {"getwindowfocus", "getwindowname"}, env) == "Openbox"; };
    ASSERT_TRUE(waitFor(wmReady, 15000)) << "openbox never took over the screen";
    ASSERT_EQ(wm.state(), QProcess::Running) << "openbox ended";

    qav.setProcessEnvironment(env);
    qav.start(program, {"--home", home.path()});
    const auto splashShown = [&] {
        return run(tool[2], {"search", "--onlyvisible", "--name", "^qav-cps$"}, env, 2000) == 0;
    };
    ASSERT_TRUE(waitFor(splashShown, 15000)) << "the splash never appeared";
    // A person presses the key once the picture is there and the program has
    // the keyboard; the window manager hands it over a moment after mapping.
    const QString pid = QString::number(qav.processId());
    const auto hasKeyboard = [&] { return output(tool[2], {"getwindowfocus", "getwindowpid"}, env) == pid; };
    ASSERT_TRUE(waitFor(hasKeyboard, 5000)) << "the program never got the keyboard";
    QElapsedTimer sinceKey;
    sinceKey.start();
    // A real key press, to whatever window has the keyboard focus.
    ASSERT_EQ(run(tool[2], {"key", "Escape"}, env), 0);
    // Without the key the splash stays 4 s; with it, it goes at once.
    const bool closed = waitFor([&] { return !splashShown(); }, 3000);
    const qint64 took = sinceKey.elapsed();
    EXPECT_TRUE(closed) << "the splash outlived the key press";
    EXPECT_LT(took, 2500) << "the splash closed by its timer, not by the key";
}
