#pragma once
// The tab bar: one tab per open editor window, the active one in blue.
// Choosing a tab activates its window; a right click opens the window menu
// (close, close all but this, print, restore, minimise, maximise).
#include <QDockWidget>

class CChildFrame;
class QTabBar;
class QMenu;

class CViewManager : public QDockWidget {
    Q_OBJECT
public:
    explicit CViewManager(QWidget* parent = nullptr);

    void addFrame(CChildFrame* frame);
    void removeFrame(CChildFrame* frame);
    void setActiveFrame(CChildFrame* frame);
    void refreshTitles();
    int count() const;
    QString tabText(int index) const;
    QTabBar* tabBar() const { return m_tabs; }

    // The tab menu; the frame fills it with its commands.
    void setTabMenu(QMenu* menu) { m_menu = menu; }

signals:
    void activateRequested(CChildFrame* frame);
    // The tab menu opened for a frame (that frame was activated first).
    void tabMenuRequested(CChildFrame* frame, const QPoint& globalPos);

private:
    int indexOf(CChildFrame* frame) const;
    void recolour();

    QTabBar* m_tabs;
    QMenu* m_menu = nullptr;
};
