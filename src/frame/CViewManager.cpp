#include "frame/CViewManager.h"

#include "frame/CChildFrame.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTabBar>
#include <QVariant>

CViewManager::CViewManager(QWidget* parent) : QDockWidget(parent)
{
    setObjectName("viewManager");
    setAllowedAreas(Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetClosable);
    m_tabs = new QTabBar;
    m_tabs->setObjectName("ctl1005");
    m_tabs->setProperty("controlId", 1005);
    m_tabs->setExpanding(false);
    m_tabs->setDocumentMode(true);
    m_tabs->setContextMenuPolicy(Qt::CustomContextMenu);
    // The bar keeps the height of a row of tabs with or without tabs, so the
    // first and the last editor window do not move the docks below it (a
    // tree that shifts under the mouse takes a double-click to the wrong
    // entry).
    m_tabs->addTab(QStringLiteral("X"));
    m_tabs->setFixedHeight(m_tabs->sizeHint().height());
    m_tabs->removeTab(0);
    setWidget(m_tabs);
    // The tabs are their own title: no caption row above them.
    auto* noTitle = new QWidget(this);
    noTitle->setFixedHeight(0);
    setTitleBarWidget(noTitle);
    connect(m_tabs, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index < 0) return;
        if (auto* f = m_tabs->tabData(index).value<CChildFrame*>()) emit activateRequested(f);
    });
    connect(m_tabs, &QTabBar::customContextMenuRequested, this, [this](const QPoint& pos) {
        const int index = m_tabs->tabAt(pos);
        if (index < 0) return;
        auto* f = m_tabs->tabData(index).value<CChildFrame*>();
        if (!f) return;
        emit activateRequested(f);
        emit tabMenuRequested(f, m_tabs->mapToGlobal(pos));
    });
}

int CViewManager::indexOf(CChildFrame* frame) const
{
    for (int i = 0; i < m_tabs->count(); ++i)
        if (m_tabs->tabData(i).value<CChildFrame*>() == frame) return i;
    return -1;
}

void CViewManager::addFrame(CChildFrame* frame)
{
    if (indexOf(frame) >= 0) return;
    const int i = m_tabs->addTab(frame->windowIcon(), frame->windowTitle());
    m_tabs->setTabData(i, QVariant::fromValue(frame));
    setActiveFrame(frame);
}

void CViewManager::removeFrame(CChildFrame* frame)
{
    const int i = indexOf(frame);
    if (i >= 0) m_tabs->removeTab(i);
    recolour();
}

void CViewManager::setActiveFrame(CChildFrame* frame)
{
    const int i = indexOf(frame);
    if (i >= 0) {
        const QSignalBlocker block(m_tabs);
        m_tabs->setCurrentIndex(i);
    }
    recolour();
}

void CViewManager::refreshTitles()
{
    for (int i = 0; i < m_tabs->count(); ++i)
        if (auto* f = m_tabs->tabData(i).value<CChildFrame*>()) m_tabs->setTabText(i, f->windowTitle());
}

int CViewManager::count() const { return m_tabs->count(); }

QString CViewManager::tabText(int index) const { return m_tabs->tabText(index); }

void CViewManager::recolour()
{
    for (int i = 0; i < m_tabs->count(); ++i)
        m_tabs->setTabTextColor(i, i == m_tabs->currentIndex() ? QColor(Qt::blue) : QColor(50, 50, 50));
}
