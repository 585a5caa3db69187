#pragma once
// The start-up picture: a borderless window the size of its picture,
// centred on the screen. After 1.5 s it shows the main window maximised,
// 2.5 s later it closes; a key press or a mouse click closes it at once
// (and shows the main window if that was not shown yet). A missing picture
// closes it straight away.
#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QTimer;

class CSplash : public QWidget {
    Q_OBJECT
public:
    CSplash(const QString& picturePath, QWidget* mainWindow);
    ~CSplash() override;

    bool pictureLoaded() const { return m_loaded; }
    bool mainWindowShown() const { return m_mainShown; }

    // Starts the timers; closes at once when the picture did not load.
    void start();
    // The two delays (1500 ms, then 2500 ms), shorter in tests.
    void setDelays(int showMainMs, int closeMs);

signals:
    void finished();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showMainWindow();
    void finish();

    QPixmap m_picture;
    bool m_loaded = false;
    bool m_mainShown = false;
    bool m_done = false;
    bool m_cursorSet = false;
    QPointer<QWidget> m_main;
    QTimer* m_first;
    QTimer* m_second;
};
