#pragma once
// The main window's commands: one QAction per command id with its built-in
// text and accelerator, and the menu bar and toolbar built from them. Texts,
// tool tips and status prompts come from the language file; a text the
// file lacks leaves the built-in one. The "&Edit" menu is built from the
// navigation tree definition, and the access level hides the factory
// commands.
#include <QHash>
#include <QObject>
#include <QStringList>

class IFrameHost;
class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

class CFrameMenus : public QObject {
    Q_OBJECT
public:
    explicit CFrameMenus(QMainWindow* window);

    // The action of a command id (created on first use); nullptr for ids
    // that are no command of the main window.
    QAction* action(int commandId) const;
    QList<int> commandIds() const;

    // Rebuilds the menu bar and relabels every command and the toolbar.
    void rebuild(const IFrameHost& host);
    // Recent files (at most four, most recent first).
    void setRecentFiles(const QStringList& paths);

    QMenu* menu(int position) const;
    QToolBar* toolBar() const { return m_toolBar; }
    QMenu* windowMenu() const { return m_windowMenu; }

    // True when the access level removed the command from the menus.
    bool isHidden(int commandId) const { return m_hidden.contains(commandId); }

signals:
    // Any command chosen (menu, toolbar or accelerator).
    void triggered(int commandId);
    // The Window menu is about to show: the frame fills its window list.
    void windowMenuAboutToShow(QMenu* menu);

private:
    QAction* make(int id, const QString& text, const QString& shortcut);
    void buildEditMenu(QMenu* menu, const IFrameHost& host);
    void applyTexts(const IFrameHost& host);

    QMainWindow* m_window;
    QHash<int, QAction*> m_actions;
    QHash<int, QString> m_builtIn;
    QList<int> m_order;
    QList<QMenu*> m_menus;
    QMenu* m_windowMenu = nullptr;
    QToolBar* m_toolBar = nullptr;
    QStringList m_recent;
    QList<int> m_hidden;
};
