#pragma once
// The program's main window: menus and toolbar, the navigation tree on the
// left, the tab bar above and the two log bars below the work area, the
// status bar with model, range, port and clock, and one editor window per
// tree entry in the work area.
#include "frame/CLogBar.h"

#include <QMainWindow>
#include <QHash>
#include <QPointer>
#include <functional>
#include <vector>

class CChildFrame;
class CFrameMenus;
class CNavigationTree;
class CViewManager;
class EditorSource;
class IFrameHost;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QTimer;
class QTreeWidgetItem;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(IFrameHost& host, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Builds the tree, the menus and the status bar for the current model;
    // run once the program has loaded its first codeplug.
    void postStartInit();
    // Everything that follows the model, the language or the access level:
    // tree, menus, hidden entries, status bar, title, tab texts.
    void refreshAll();
    // After the section lists changed: numbered entries, root text, status.
    void refreshTree();
    void refreshStatusBar();
    void setDocumentPath(const QString& path);
    QString documentPath() const { return m_path; }
    // The title's modified mark: the codeplug changed since it was saved.
    void setDocumentModified(bool modified);
    bool documentModified() const { return m_modified; }
    void updateTitle();

    // Commands handled elsewhere (document, radio, print, ...): a command
    // without a handler is shown disabled.
    void setCommandHandler(int commandId, std::function<void()> handler);
    bool hasCommandHandler(int commandId) const;
    // Runs a command as if it was chosen from the menu.
    void runCommand(int commandId);
    void updateCommandStates();
    // A command that is enabled only while `enabled` says so (and it has a handler).
    void setCommandEnabler(int commandId, std::function<bool()> enabled) { m_enablers[commandId] = std::move(enabled); }
    // After Undo or Redo: every editor shows its records afresh, keeping its
    // place where the record still exists, and the tree follows the list counts.
    void reloadEditors();

    // Asked before the program closes (whether to save changes first):
    // false keeps the program open. Without one it closes at once.
    void setCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }
    void setPrintPreviewActive(bool active) { m_printPreview = active; }
    bool printPreviewActive() const { return m_printPreview; }
    // The Print button of an editor's bar prints that editor's section; it
    // is given the window's command id. Without a handler it runs Print.
    void setSectionPrintHandler(std::function<void(int commandId)> handler) { m_sectionPrint = std::move(handler); }

    // What creates the editors of the tree entries; without one every
    // entry opens a window that says its editor is not part of this build.
    void setEditorSource(const EditorSource* source) { m_editors = source; }

    // Opens (or activates) the editor of a tree entry.
    CChildFrame* openView(int commandId, const QString& itemText);
    void closeAllWindows();
    // For a language change: closes the editors (they write back with the
    // texts they show), runs `whileClosed` (the change), refreshes
    // everything and opens the same entries again, built with the new
    // texts from the records the codeplug holds.
    void reopenAllWindows(const std::function<void()>& whileClosed = {});
    void closeAllButThis();
    QList<CChildFrame*> childFrames() const;
    CChildFrame* activeChildFrame() const;

    // The editors that are open, to save or reload them all.
    QList<QWidget*> openViews() const;

    CNavigationTree* tree() const { return m_tree; }
    CFrameMenus* menus() const { return m_menus; }
    CViewManager* viewManager() const { return m_tabs; }
    CLogBar* invalidBar() const { return m_invalid; }
    CLogBar* logBar() const { return m_log; }
    QMdiArea* mdiArea() const { return m_mdi; }
    IFrameHost& host() const { return m_host; }
    QString statusPaneText(int paneId) const;

    // Lists a finished edit in the "Log View" bar with the time: where
    // (the editor window and the field) and what the field showed before
    // and after.
    void logEdit(const QString& field, const QString& oldValue, const QString& newValue);

    // Shows the "Invalid View" bar when it holds lines and is hidden.
    void showInvalidViewIfNeeded();

    struct WindowNode {
        int commandId;
        QPointer<CChildFrame> frame;
        int recordLimit;
    };
    const std::vector<WindowNode>& openWindowList() const { return m_nodes; }

signals:
    // Help on the first of these context ids that has a topic.
    void helpRequested(const QList<int>& contextIds);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createStatusBar();
    void createDocks();
    void onCommand(int commandId);
    void onTreeOpen(int treeId, const QString& text, QTreeWidgetItem* item);
    void onChildNavigated(CChildFrame* frame, int action, int number, int count);
    void onSubWindowActivated(QMdiSubWindow* window);
    void updateNavBar(CChildFrame* frame, const QString& itemText);
    void fillWindowMenu(QMenu* menu);
    void tick();
    CChildFrame* createChild(int commandId, int recordLimit);

    IFrameHost& m_host;
    CFrameMenus* m_menus;
    QMdiArea* m_mdi;
    CNavigationTree* m_tree;
    QDockWidget* m_treeDock;
    CLogBar* m_log;
    CLogBar* m_invalid;
    CViewManager* m_tabs;
    QLabel* m_paneModel;
    QLabel* m_paneRange;
    QLabel* m_panePort;
    QLabel* m_paneClock;
    QTimer* m_clock;
    QString m_path;
    bool m_printPreview = false;
    bool m_modified = false;
    std::function<bool()> m_closeGuard;
    std::function<void(int)> m_sectionPrint;
    QHash<int, std::function<void()>> m_handlers;
    std::vector<WindowNode> m_nodes;
    QList<QAction*> m_windowListActions;
    const EditorSource* m_editors = nullptr;
    QHash<int, std::function<bool()>> m_enablers;
};
