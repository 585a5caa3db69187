#include "desktop/CSplash.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Counts how often the main window is shown.
struct ShowCounter : QObject {
    int shows = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Show) ++shows;
        return false;
    }
};

void wait(int ms)
{
    QElapsedTimer t;
    t.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    } while (t.elapsed() < ms);
}

}  // namespace

TEST(Splash, ShowsTheMainWindowOnceAndClosesOnTheFirstKeyOrClick)
{
    QTemporaryDir dir;
    const QString picture = dir.filePath("splash.png");
    QImage image(120, 80, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    ASSERT_TRUE(image.save(picture));

    enum class Input { Click, Key, None };
    struct Case {
        const char* name;
        QString picture;
        int waitBefore;  // ms before the input (delays: 100 ms, then 200 ms)
        Input input;
        bool splashLeft;  // the splash still exists afterwards
    };
    const Case cases[] = {
        {"click before the main window is shown", picture, 0, Input::Click, false},
        {"key before the main window is shown", picture, 0, Input::Key, false},
        {"click after the timer showed it", picture, 150, Input::Click, false},
        {"no input: main window, then gone", picture, 450, Input::None, false},
        {"no input yet", picture, 150, Input::None, true},
        {"missing picture", dir.filePath("none.jpg"), 0, Input::None, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget main;
        ShowCounter counter;
        main.installEventFilter(&counter);
        QPointer<CSplash> splash = new CSplash(c.picture, &main);
        splash->setDelays(100, 200);
        splash->start();
        wait(c.waitBefore);
        if (splash && c.input == Input::Click) QTest::mouseClick(splash, Qt::LeftButton);
        if (splash && c.input == Input::Key) QTest::keyClick(splash, Qt::Key_Space);
        wait(20);
        EXPECT_EQ(!splash.isNull(), c.splashLeft);
        EXPECT_TRUE(c.splashLeft || main.isVisible());
        EXPECT_EQ(counter.shows, c.splashLeft && c.waitBefore < 100 ? 0 : 1);
        delete splash;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}
