#include "desktop/CSplash.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

CSplash::CSplash(const QString& picturePath, QWidget* mainWindow)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_main(mainWindow)
{
    setObjectName("splash");
    // Never shown (the window has no frame); it names the window for the
    // window manager and for tools that look for it.
    setWindowTitle(QStringLiteral("qav-cps"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_loaded = m_picture.load(picturePath);
    if (m_loaded) {
        setFixedSize(m_picture.size());
        if (QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->geometry().center() - rect().center());
    }
    m_first = new QTimer(this);
    m_first->setSingleShot(true);
    m_first->setInterval(1500);
    m_second = new QTimer(this);
    m_second->setSingleShot(true);
    m_second->setInterval(2500);
    connect(m_first, &QTimer::timeout, this, [this] {
        m_second->start();
        showMainWindow();
    });
    connect(m_second, &QTimer::timeout, this, &CSplash::finish);
}

CSplash::~CSplash()
{
    qApp->removeEventFilter(this);
    // Gone before its own end (the program closed under it): the wait
    // cursor must not outlive it.
    if (m_cursorSet) QApplication::restoreOverrideCursor();
}

void CSplash::setDelays(int showMainMs, int closeMs)
{
    m_first->setInterval(showMainMs);
    m_second->setInterval(closeMs);
}

void CSplash::start()
{
    if (!m_loaded) {
        finish();
        return;
    }
    qApp->installEventFilter(this);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_cursorSet = true;
    show();
    raise();
    // The first key press is the user's way past the picture: the splash
    // asks for the keyboard, or a window manager leaves it unfocused and
    // the key goes nowhere.
    activateWindow();
    m_first->start();
}

void CSplash::showMainWindow()
{
    if (m_mainShown || !m_main) return;
    m_mainShown = true;
    m_main->showMaximized();
    m_main->update();
    raise();
}

void CSplash::finish()
{
    if (m_done) return;
    m_done = true;
    qApp->removeEventFilter(this);
    if (m_cursorSet) QApplication::restoreOverrideCursor();
    m_cursorSet = false;
    m_first->stop();
    m_second->stop();
    showMainWindow();
    emit finished();
    close();
}

void CSplash::paintEvent(QPaintEvent*)
{
    if (!m_loaded) return;
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
}

bool CSplash::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        // The first key or click only dismisses the picture.
        finish();
        return true;
    default:
        return false;
    }
}
