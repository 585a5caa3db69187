#include "frame/CMainFrame.h"

#include "frame/CChildFrame.h"
#include "frame/CFrameMenus.h"
#include "frame/CNavigationTree.h"
#include "frame/CRecordNavBar.h"
#include "frame/CViewManager.h"
#include "frame/FrameHost.h"
#include "frame/FrameIds.h"
#include "frame/LangText.h"
#include "frame/NavBarState.h"
#include "frame/NavigationTable.h"
#include "frame/ProgramIcon.h"
#include "frame/ViewBridge.h"
#include "frame/FrameTextIds.h"

#include <QAction>
#include <QCloseEvent>
#include <QDateTime>
#include <QDockWidget>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidgetItem>

namespace {

constexpr int kPaneModel = 59143;
constexpr int kPaneRange = 59144;
constexpr int kPanePort = 59145;
constexpr int kPaneClock = 59146;

QLabel* makePane(int id, const QString& sizeText, QWidget* parent)
{
    auto* pane = new QLabel(parent);
    pane->setObjectName(QString("pane%1").arg(id));
    pane->setAlignment(Qt::AlignCenter);
    pane->setFrameShape(QFrame::Panel);
    pane->setFrameShadow(QFrame::Sunken);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(sizeText) + 12);
    return pane;
}

bool isEditCommand(int id) { return id >= Cmd::kEditFirst && id <= Cmd::kEditLast; }

}  // namespace

CMainFrame::CMainFrame(IFrameHost& host, QWidget* parent) : QMainWindow(parent), m_host(host)
{
    setObjectName("mainFrame");
    setWindowIcon(programIcon());
    setProperty("controlId", FrameText::kMainTitle);
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName("mdiArea");
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);

    createStatusBar();
    m_menus = new CFrameMenus(this);
    createDocks();

    m_clock = new QTimer(this);
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &CMainFrame::tick);
    m_clock->start();
    tick();

    connect(m_menus, &CFrameMenus::triggered, this, &CMainFrame::onCommand);
    connect(m_menus, &CFrameMenus::windowMenuAboutToShow, this, &CMainFrame::fillWindowMenu);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &CMainFrame::onSubWindowActivated);

    // Commands the frame answers itself.
    auto own = [this](int id, std::function<void()> fn) { m_handlers.insert(id, std::move(fn)); };
    own(Cmd::kToolBar, [this] { m_menus->toolBar()->setVisible(!m_menus->toolBar()->isVisible()); });
    own(Cmd::kStatusBar, [this] { statusBar()->setVisible(!statusBar()->isVisible()); });
    own(Cmd::kTreeBar, [this] { m_treeDock->setVisible(!m_treeDock->isVisible()); });
    own(Cmd::kTabView, [this] { m_tabs->setVisible(!m_tabs->isVisible()); });
    own(Cmd::kLogView, [this] { m_log->setVisible(!m_log->isVisible()); });
    own(Cmd::kInvalidView, [this] { m_invalid->setVisible(!m_invalid->isVisible()); });
    own(Cmd::kCloseAll, [this] { closeAllWindows(); });
    own(Cmd::kCloseAllButThis, [this] { closeAllButThis(); });
    own(Cmd::kCascade, [this] { m_mdi->cascadeSubWindows(); });
    own(Cmd::kTile, [this] { m_mdi->tileSubWindows(); });
    own(Cmd::kArrange, [this] {
        for (QMdiSubWindow* w : m_mdi->subWindowList())
            if (w->isMinimized()) w->showMinimized();
    });
    own(Cmd::kTabClose, [this] { if (auto* w = m_mdi->currentSubWindow()) w->close(); });
    own(Cmd::kTabRestore, [this] { if (auto* w = m_mdi->currentSubWindow()) w->showNormal(); });
    own(Cmd::kTabMinimize, [this] { if (auto* w = m_mdi->currentSubWindow()) w->showMinimized(); });
    own(Cmd::kTabMaximize, [this] { if (auto* w = m_mdi->currentSubWindow()) w->showMaximized(); });
    own(Cmd::kExit, [this] { close(); });
    own(Cmd::kHelpTopics, [this] { emit helpRequested({0}); });

    auto* tabMenu = new QMenu(this);
    tabMenu->setObjectName("tabMenu");
    for (int id : {Cmd::kTabClose, Cmd::kCloseAllButThis, Cmd::kPrint, Cmd::kTabRestore, Cmd::kTabMinimize,
                   Cmd::kTabMaximize})
        tabMenu->addAction(m_menus->action(id));
    m_tabs->setTabMenu(tabMenu);
    connect(m_tabs, &CViewManager::tabMenuRequested, this,
            [tabMenu](CChildFrame*, const QPoint& pos) { tabMenu->popup(pos); });
    connect(m_tabs, &CViewManager::activateRequested, this, [this](CChildFrame* f) {
        if (f->isMinimized()) f->showNormal();
        m_mdi->setActiveSubWindow(f);
    });

    resize(1024, 720);
    updateTitle();
}

CMainFrame::~CMainFrame()
{
    // The work area and the bars outlive this object's own part of the
    // destruction: none of their signals may reach it any more.
    m_clock->stop();
    m_mdi->disconnect(this);
    m_tree->disconnect(this);
    m_tabs->disconnect(this);
    m_menus->disconnect(this);
    for (CChildFrame* f : childFrames()) f->disconnect(this);
}

void CMainFrame::createStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName("statusBar");
    m_paneModel = makePane(kPaneModel, "RADIO NAME", bar);
    m_paneRange = makePane(kPaneRange, "  136 - 174MHz  ", bar);
    m_panePort = makePane(kPanePort, " COM4 ", bar);
    m_paneClock = makePane(kPaneClock, "2006-12-24 23:59:59", bar);
    for (QLabel* pane : {m_paneModel, m_paneRange, m_panePort, m_paneClock}) bar->addPermanentWidget(pane);
}

void CMainFrame::createDocks()
{
    m_treeDock = new QDockWidget(this);
    m_treeDock->setObjectName("treeBar");
    m_treeDock->setProperty("controlId", 1016);
    m_treeDock->setAllowedAreas(Qt::AllDockWidgetAreas);
    m_tree = new CNavigationTree(m_treeDock);
    m_tree->setMinimumWidth(180);
    m_treeDock->setWidget(m_tree);
    m_treeDock->resize(260, 100);
    addDockWidget(Qt::LeftDockWidgetArea, m_treeDock);
    resizeDocks({m_treeDock}, {260}, Qt::Horizontal);

    m_log = new CLogBar("logViewBar", Cmd::kLogView, "Log View",
                        {{900, "Time", 200}, {901, "Item", 300}, {902, "Old Value", 200}, {903, "New Value", 200}}, this);
    m_invalid = new CLogBar("invalidViewBar", Cmd::kInvalidView, "Invalid View",
                            {{915, "Invalid Value", 500}, {916, "Location", 500}}, this);
    for (CLogBar* bar : {m_log, m_invalid}) {
        bar->setAllowedAreas(Qt::AllDockWidgetAreas);
        addDockWidget(Qt::BottomDockWidgetArea, bar);
        bar->hide();
    }

    m_tabs = new CViewManager(this);
    addDockWidget(Qt::TopDockWidgetArea, m_tabs);

    // The View menu's check marks follow the bars, however they were shown.
    auto follow = [this](QWidget* bar, int id) {
        QAction* a = m_menus->action(id);
        if (auto* dock = qobject_cast<QDockWidget*>(bar))
            connect(dock, &QDockWidget::visibilityChanged, a, [a, dock] { a->setChecked(dock->isVisible()); });
        a->setChecked(!bar->isHidden());
    };
    follow(m_treeDock, Cmd::kTreeBar);
    follow(m_tabs, Cmd::kTabView);
    follow(m_log, Cmd::kLogView);
    follow(m_invalid, Cmd::kInvalidView);
    m_menus->action(Cmd::kToolBar)->setChecked(true);
    m_menus->action(Cmd::kStatusBar)->setChecked(true);
    connect(m_menus->toolBar(), &QToolBar::visibilityChanged, m_menus->action(Cmd::kToolBar), &QAction::setChecked);

    connect(m_tree, &CNavigationTree::openRequested, this, &CMainFrame::onTreeOpen);
    connect(m_tree, &CNavigationTree::helpRequested, this, [this](int id) { emit helpRequested({id}); });
}

void CMainFrame::postStartInit() { refreshAll(); }

void CMainFrame::refreshAll()
{
    m_tree->rebuild(m_host);
    m_menus->rebuild(m_host);
    m_log->applyTexts(m_host);
    m_invalid->applyTexts(m_host);
    m_tabs->setWindowTitle(LangText::message(m_host, FrameText::kTabBarCaption, tr("Windows")));
    m_treeDock->setWindowTitle(QString());
    for (CChildFrame* f : childFrames()) f->applyTexts(m_host);
    m_tabs->refreshTitles();
    refreshStatusBar();
    updateTitle();
    updateCommandStates();
}

void CMainFrame::refreshTree()
{
    m_tree->syncNumberedItems(m_host);
    m_tree->setRootText(QString::fromStdString(m_host.modelName()));
    refreshStatusBar();
}

void CMainFrame::refreshStatusBar()
{
    m_paneModel->setText(QString::fromStdString(m_host.modelName()));
    m_paneRange->setText(QString::fromStdString(m_host.freqRange()) + " MHz");
    const QString device = QString::fromStdString(m_host.portDevice());
    if (device == "sim")
        m_panePort->setText(LangText::message(m_host, MsgId::kSimPortPane, "SIM"));
    else if (!device.isEmpty())
        m_panePort->setText(device);
    else
        m_panePort->setText(LangText::format(LangText::message(m_host, FrameText::kPortPane, "COM%d"),
                                             {QString::number(m_host.comPort())}));
    // A device path is longer than the pane's sample text: the pane grows
    // to show it whole.
    const QFontMetrics metrics = m_panePort->fontMetrics();
    m_panePort->setMinimumWidth(std::max(metrics.horizontalAdvance(QStringLiteral(" COM4 ")),
                                         metrics.horizontalAdvance(m_panePort->text())) + 12);
    m_panePort->setToolTip(m_panePort->text());
    tick();
}

QString CMainFrame::statusPaneText(int paneId) const
{
    switch (paneId) {
    case kPaneModel: return m_paneModel->text();
    case kPaneRange: return m_paneRange->text();
    case kPanePort: return m_panePort->text();
    case kPaneClock: return m_paneClock->text();
    default: return statusBar()->currentMessage();
    }
}

void CMainFrame::tick()
{
    m_paneClock->setText(QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss"));
}

void CMainFrame::setDocumentPath(const QString& path)
{
    m_path = path;
    updateTitle();
}

void CMainFrame::updateTitle()
{
    const QString title = LangText::caption(m_host, FrameText::kMainTitle, tr("QAV Programming Software"));
    // "[*]" is where the window shows its modified mark.
    setWindowTitle(m_path.isEmpty() ? title + "[*]" : QString("%1 [ %2 ][*]").arg(title, m_path));
}

void CMainFrame::setDocumentModified(bool modified)
{
    m_modified = modified;
    setWindowModified(modified);
}

void CMainFrame::setCommandHandler(int commandId, std::function<void()> handler)
{
    m_handlers.insert(commandId, std::move(handler));
    updateCommandStates();
}

bool CMainFrame::hasCommandHandler(int commandId) const
{
    return m_handlers.contains(commandId) || isEditCommand(commandId);
}

void CMainFrame::runCommand(int commandId) { onCommand(commandId); }

void CMainFrame::updateCommandStates()
{
    const bool anyChild = !m_mdi->subWindowList().isEmpty();
    for (int id : m_menus->commandIds()) {
        QAction* a = m_menus->action(id);
        if (m_menus->isHidden(id)) {
            a->setEnabled(false);
            continue;
        }
        if (id >= Cmd::kRecentFirst && id < Cmd::kRecentFirst + Cmd::kRecentCount) {
            a->setEnabled(a->isVisible() && m_handlers.contains(id));
            continue;
        }
        bool enabled = hasCommandHandler(id);
        if (auto e = m_enablers.find(id); e != m_enablers.end() && *e) enabled = enabled && (*e)();
        if (id == Cmd::kCloseAll || id == Cmd::kCloseAllButThis || id == Cmd::kTabClose || id == Cmd::kTabRestore ||
            id == Cmd::kTabMinimize || id == Cmd::kTabMaximize || id == Cmd::kCascade || id == Cmd::kTile ||
            id == Cmd::kArrange)
            enabled = enabled && anyChild;
        a->setEnabled(enabled);
    }
    const bool printing = m_menus->action(Cmd::kPrint)->isEnabled();
    for (CChildFrame* f : childFrames()) f->navBar()->setPrintEnabled(printing);
    // An open editor shows a check mark at its "&Edit" entry.
    for (int id : m_menus->commandIds()) {
        if (!isEditCommand(id)) continue;
        const int treeId = NavigationTable::treeIdForMenuCommand(id);
        bool open = false;
        for (const WindowNode& node : m_nodes) open = open || (node.commandId == treeId && node.frame);
        QAction* a = m_menus->action(id);
        a->setCheckable(open);
        a->setChecked(open);
    }
}

void CMainFrame::onCommand(int commandId)
{
    if (isEditCommand(commandId) && !m_handlers.contains(commandId)) {
        QAction* a = m_menus->action(commandId);
        openView(NavigationTable::treeIdForMenuCommand(commandId), a ? LangText::plainText(a->text()) : QString());
        return;
    }
    auto it = m_handlers.find(commandId);
    if (it != m_handlers.end() && *it) (*it)();
    updateCommandStates();
}

void CMainFrame::onTreeOpen(int treeId, const QString& text, QTreeWidgetItem*)
{
    openView(treeId, text);
}

CChildFrame* CMainFrame::createChild(int commandId, int recordLimit)
{
    QWidget* view = m_editors ? m_editors->create(commandId, nullptr) : nullptr;
    auto* frame = new CChildFrame(commandId, recordLimit, view);
    frame->applyTexts(m_host);
    // The channel view's list button: its window gives way to the channel list.
    ViewBridge::onEditorRequested(view, frame, [this, frame](int id, const QString& title) {
        int number = 0, count = 0;
        ViewBridge::position(frame->view(), number, count);
        frame->hide();
        // The list opens on the channel that was shown.
        CChildFrame* other = openView(id, title);
        if (other && number > 0) ViewBridge::navigate(other->view(), NavBarAction::kGoTo, number);
    });
    // Wide enough for its navigation bar in the current language.
    frame->resize(std::max(frame->width(), frame->minimumSizeHint().width()), frame->height());
    const int earlier = static_cast<int>(m_mdi->subWindowList().size());
    m_mdi->addSubWindow(frame);
    // Each new window steps one title bar down and right from the last, so
    // none hides another completely; the steps start over after eight.
    const int step = frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, frame);
    frame->move(QPoint(1, 1) * (earlier % 8) * step);
    // Never wider or taller than the work area it opens in.
    const QSize room = m_mdi->viewport()->size() - QSize(frame->x(), frame->y());
    if (room.isValid()) frame->resize(frame->size().boundedTo(room));
    connect(frame, &CChildFrame::closing, this, [this](CChildFrame* f) {
        // The node forgets its window at once: the window is only deleted
        // at the next turn of the event loop, too late for a reopen.
        for (WindowNode& node : m_nodes)
            if (node.frame == f) node.frame = nullptr;
        m_tabs->removeFrame(f);
        QTimer::singleShot(0, this, [this] { updateCommandStates(); });
    });
    CViewManager* tabs = m_tabs;  // not through `this`: frames also die after the main window's own part
    connect(frame, &QObject::destroyed, tabs, [tabs, frame] { tabs->removeFrame(frame); });
    connect(frame, &CChildFrame::navigated, this, &CMainFrame::onChildNavigated);
    connect(frame, &CChildFrame::helpRequested, this, &CMainFrame::helpRequested);
    // The bar's Print is the program's Print command, for this window.
    connect(frame, &CChildFrame::printRequested, this, [this](CChildFrame* f) {
        m_mdi->setActiveSubWindow(f);
        if (m_sectionPrint && hasCommandHandler(Cmd::kPrint))
            m_sectionPrint(f->commandId());
        else
            runCommand(Cmd::kPrint);
    });
    connect(frame, &QMdiSubWindow::windowStateChanged, this, [this, frame] {
        m_tabs->setActiveFrame(frame);
        setWindowModified(m_modified);
    });
    frame->show();
    m_tabs->addFrame(frame);
    return frame;
}

CChildFrame* CMainFrame::openView(int commandId, const QString& itemText)
{
    CChildFrame* frame = nullptr;
    for (WindowNode& node : m_nodes) {
        if (node.commandId != commandId) continue;
        if (node.frame) {
            frame = node.frame;
            if (frame->isMinimized() || frame->isHidden()) frame->showNormal();
            m_mdi->setActiveSubWindow(frame);
        } else {
            frame = createChild(commandId, node.recordLimit);
            node.frame = frame;
        }
        break;
    }
    if (!frame) {
        const EditorRow* row = NavigationTable::viewFor(commandId);
        if (!row) return nullptr;
        frame = createChild(commandId, row->recordLimit);
        m_nodes.push_back({commandId, frame, row->recordLimit});
    }
    frame->setWindowTitle(itemText);
    setWindowModified(m_modified);
    m_tabs->refreshTitles();
    updateNavBar(frame, itemText);
    updateCommandStates();
    return frame;
}

void CMainFrame::updateNavBar(CChildFrame* frame, const QString& itemText)
{
    const int id = frame->commandId();
    const bool numberedKind = std::ranges::find(NavigationTable::numberedIds(), id) != NavigationTable::numberedIds().end();
    const int n = numberedKind ? CNavigationTree::trailingNumber(itemText) : 0;
    if (n > 0) {
        const int count = static_cast<int>(m_tree->itemsWithId(id).size());
        frame->navBar()->setMode(NavBarState::forNumbered(n, count, frame->recordLimit()));
        frame->navBar()->setPosition(n, count);
        // An editor confirms this through its navigation report; an entry
        // without an editor keeps what is set here.
        ViewBridge::navigate(frame->view(), NavBarAction::kGoTo, n);
        m_tree->highlight(m_tree->numberedItem(id, n));
    } else {
        frame->navBar()->setMode(NavBarState::forPlain(id));
        // The entry names no record: the view stays where it is, and the
        // display says where that is (a reactivated window may stand on
        // any record).
        int number = 0, count = 0;
        if ((numberedKind || id == TreeId::kChannelList) && ViewBridge::position(frame->view(), number, count))
            frame->navBar()->setPosition(number, count);
    }
}

void CMainFrame::reloadEditors()
{
    for (QWidget* view : openViews()) ViewBridge::reload(view);
    refreshTree();
    updateCommandStates();
}

void CMainFrame::onChildNavigated(CChildFrame* frame, int action, int number, int count)
{
    // New and delete change the list: the numbered entries follow it.
    if (action == NavBarAction::kNew || action == NavBarAction::kDelete) m_tree->syncNumberedItems(m_host);
    // The view knows where it stands; the bar and the tree show that. A
    // number out of range leaves the view without a record: nothing is
    // highlighted then.
    if (count <= 0) return;
    frame->navBar()->setPosition(number, count);
    // The channel list numbers no tree entry, but its bar follows its records as well.
    if (number >= 1 && (frame->navBar()->mode().kind != 9 || frame->commandId() == TreeId::kChannelList))
        frame->navBar()->setMode(NavBarState::forNumbered(number, count, frame->recordLimit()));
    m_tree->highlight(number >= 1 ? m_tree->numberedItem(frame->commandId(), number) : nullptr);
}

void CMainFrame::logEdit(const QString& field, const QString& oldValue, const QString& newValue)
{
    QString where = field;
    where.remove('&');
    where = where.trimmed();
    if (where.endsWith(':') || where.endsWith(QChar(0xFF1A))) where.chop(1);
    if (CChildFrame* f = activeChildFrame()) where = f->windowTitle() + " / " + where;
    m_log->appendLine({QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss"), where, oldValue, newValue});
}

void CMainFrame::onSubWindowActivated(QMdiSubWindow* window)
{
    // A maximised editor window hands its own (never set) modified state to
    // the main window: the document's mark is put back.
    setWindowModified(m_modified);
    if (auto* f = qobject_cast<CChildFrame*>(window)) m_tabs->setActiveFrame(f);
    updateCommandStates();
}

QList<CChildFrame*> CMainFrame::childFrames() const
{
    QList<CChildFrame*> out;
    for (QMdiSubWindow* w : m_mdi->subWindowList())
        if (auto* f = qobject_cast<CChildFrame*>(w)) out.push_back(f);
    return out;
}

CChildFrame* CMainFrame::activeChildFrame() const
{
    return qobject_cast<CChildFrame*>(m_mdi->currentSubWindow());
}

QList<QWidget*> CMainFrame::openViews() const
{
    QList<QWidget*> out;
    for (CChildFrame* f : childFrames())
        if (f->view()) out.push_back(f->view());
    return out;
}

void CMainFrame::closeAllWindows()
{
    // Windows closed earlier whose deletion is still pending leave the work
    // area's list at once; they go now too, while the records they wrote to exist.
    const QList<CChildFrame*> open = childFrames();
    for (CChildFrame* f : m_mdi->findChildren<CChildFrame*>()) {
        if (open.contains(f)) f->close();
        delete f;  // at once, not at the next event loop turn: the caller may replace the records next
    }
    updateCommandStates();
}

void CMainFrame::reopenAllWindows(const std::function<void()>& whileClosed)
{
    struct Open {
        int commandId;
        int number;
        QString title;
    };
    QList<Open> open;
    CChildFrame* active = activeChildFrame();
    for (CChildFrame* f : childFrames())
        if (f != active) open.push_back({f->commandId(), CNavigationTree::trailingNumber(f->windowTitle()), f->windowTitle()});
    // The active one last, so it is active again.
    if (active) open.push_back({active->commandId(), CNavigationTree::trailingNumber(active->windowTitle()), active->windowTitle()});
    // Closed before the texts change: an editor reads its choices back by
    // the texts it shows, which only the old language knows.
    closeAllWindows();
    if (whileClosed) whileClosed();
    refreshAll();
    for (const Open& o : open) {
        // The entry's text in the new language: the tree's, else its caption.
        QTreeWidgetItem* item = o.number > 0 ? m_tree->numberedItem(o.commandId, o.number) : m_tree->findFirst(o.commandId);
        const QString text = item ? item->text(0) : LangText::caption(m_host, o.commandId, o.title);
        openView(o.commandId, text);
    }
}

void CMainFrame::closeAllButThis()
{
    CChildFrame* keep = activeChildFrame();
    for (CChildFrame* f : childFrames()) {
        if (f == keep) continue;
        f->close();
        delete f;
    }
    if (keep) m_mdi->setActiveSubWindow(keep);
    updateCommandStates();
}

void CMainFrame::showInvalidViewIfNeeded()
{
    if (m_invalid->hasEntries() && !m_invalid->isVisible()) m_invalid->show();
}

void CMainFrame::fillWindowMenu(QMenu* menu)
{
    qDeleteAll(m_windowListActions);
    m_windowListActions.clear();
    const QList<CChildFrame*> frames = childFrames();
    if (frames.isEmpty()) return;
    m_windowListActions.push_back(menu->addSeparator());
    int number = 1;
    for (CChildFrame* f : frames) {
        QAction* a = menu->addAction(QString("&%1 %2").arg(number++).arg(f->windowTitle()));
        a->setCheckable(true);
        a->setChecked(f == activeChildFrame());
        connect(a, &QAction::triggered, this, [this, f = QPointer<CChildFrame>(f)] {
            if (!f) return;
            if (f->isMinimized()) f->showNormal();
            m_mdi->setActiveSubWindow(f);
        });
        m_windowListActions.push_back(a);
    }
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // A refused guard (Cancel, or a save that failed or was cancelled)
    // keeps the program open, so no edit is lost with it.
    if (!m_printPreview && m_closeGuard && !m_closeGuard()) {
        event->ignore();
        return;
    }
    closeAllWindows();
    m_clock->stop();
    event->accept();
}
