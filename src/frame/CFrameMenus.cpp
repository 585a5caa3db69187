#include "frame/CFrameMenus.h"

#include "frame/FrameHost.h"
#include "frame/FrameIds.h"
#include "settings/AccessLevel.h"
#include "frame/LangText.h"
#include "frame/NavigationTable.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

namespace {

// Place holders inside a popup definition.
constexpr int kSeparator = 0;
constexpr int kRecentFiles = -2;
constexpr int kWindowList = -3;

struct CommandDef {
    int id;
    const char* text;
    const char* shortcut;
};

// Every command with its built-in text and accelerator. No accelerator is
// one the platform already gives another meaning (Ctrl+W and Ctrl+F4 close
// an editor window, Ctrl+R refreshes, Ctrl+K and Ctrl+U edit text, ...);
// New, Open, Save, Save As, Print and Exit use the platform's own.
constexpr CommandDef kCommands[] = {
    {Cmd::kNew, "&New", "Ctrl+N"},
    {Cmd::kOpen, "&Open...", "Ctrl+O"},
    {Cmd::kSave, "&Save", "Ctrl+S"},
    {Cmd::kSaveAs, "Save &As...", "Ctrl+Shift+S"},
    {Cmd::kPrint, "&Print...", "Ctrl+P"},
    {Cmd::kPrintPreview, "Print Pre&view", "Ctrl+Shift+P"},
    {Cmd::kPrintSetup, "P&rint Setup...", "Ctrl+Alt+P"},
    {Cmd::kExportPdf, "&Export PDF...", "Ctrl+Shift+E"},
    {Cmd::kImportChannels, "&Import Channels...", "Ctrl+Alt+Shift+I"},
    {Cmd::kExportChannels, "Export C&hannels...", "Ctrl+Alt+Shift+O"},
    {Cmd::kBackups, "&Backups...", "Ctrl+Alt+Shift+B"},
    {Cmd::kRecentFirst + 0, "1", "Alt+Shift+1"},
    {Cmd::kRecentFirst + 1, "2", "Alt+Shift+2"},
    {Cmd::kRecentFirst + 2, "3", "Alt+Shift+3"},
    {Cmd::kRecentFirst + 3, "4", "Alt+Shift+4"},
    {Cmd::kExit, "E&xit", "Ctrl+Q"},
    {Cmd::kUndo, "&Undo", "Ctrl+Z"},
    {Cmd::kRedo, "&Redo", "Ctrl+Y"},
    {Cmd::kModelInfo, "&Model Information", "Ctrl+M"},
    {Cmd::kComPort, "&Communication Port", "Ctrl+Shift+K"},
    {Cmd::kLanguage, "&Language", "Ctrl+L"},
    {Cmd::kReadRadio, "&Read from Radio", "Ctrl+Shift+R"},
    {Cmd::kWriteRadio, "&Write to Radio", "Ctrl+Shift+W"},
    {Cmd::kWriteSeveral, "Write to &Several Radios...", "Ctrl+Alt+Shift+W"},
    {Cmd::kAdjustment, "&Adjustment", "Ctrl+J"},
    {Cmd::kFactoryMode, "&Factory Mode", "Ctrl+Alt+F"},
    {Cmd::kWriteTuneData, "Write &Tune Data", "Ctrl+Shift+T"},
    {Cmd::kMemoryUpdate, "Memory &Update", "Ctrl+Shift+M"},
    {Cmd::kToolBar, "&Toolbar", "Alt+5"},
    {Cmd::kStatusBar, "&Status Bar", "Alt+6"},
    {Cmd::kTreeBar, "T&ree Bar", "Alt+1"},
    {Cmd::kTabView, "Tab &View", "Alt+2"},
    {Cmd::kLogView, "&Log View", "Alt+3"},
    {Cmd::kInvalidView, "&Invalid View", "Alt+4"},
    {Cmd::kCascade, "&Cascade", "Shift+F5"},
    {Cmd::kTile, "&Tile", "Shift+F4"},
    {Cmd::kArrange, "&Arrange Icons", "Shift+F6"},
    {Cmd::kCloseAll, "Close All &Windows", "Ctrl+Shift+F4"},
    {Cmd::kCloseAllButThis, "Close All, &But This", "Ctrl+Alt+W"},
    {Cmd::kTabClose, "&Close", ""},
    {Cmd::kTabRestore, "&Restore", ""},
    {Cmd::kTabMinimize, "Mi&nimize", ""},
    {Cmd::kTabMaximize, "Ma&ximize", ""},
    {Cmd::kHelpTopics, "&Help Topics", "Ctrl+Shift+F1"},
    {Cmd::kAbout, "&About...", "Ctrl+F1"},
    // The editor entries of the "&Edit" menu.
    {TreeId::kRadio, "Radio &Information", "Ctrl+Alt+I"},
    {TreeId::kSettingsGroup, "&Settings", ""},
    {TreeId::kKeys, "&Keys", "Ctrl+Alt+K"},
    {TreeId::kMisc, "&Miscellaneous", "Ctrl+Alt+M"},
    {TreeId::kPassword, "&Password", "Ctrl+Alt+A"},
    {TreeId::kChannelGroup, "&Channels", "Ctrl+Alt+C"},
    {TreeId::kPersonalityGroup, "P&ersonalities", "Ctrl+Alt+E"},
    {TreeId::kScanGroup, "&Scan Lists", "Ctrl+Alt+S"},
    {TreeId::kEmbedded, "Em&bedded Message", "Ctrl+Alt+B"},
    {TreeId::kTestFreq, "&Test Frequencies", "Ctrl+Alt+T"},
    {TreeId::kDataWatch, "&Data Watch", "Ctrl+Alt+D"},
    {ViewCommand::kSignallingGroup, "Si&gnalling", ""},
    {ViewCommand::kAlertTone, "&Alert Tones", ""},
    {ViewCommand::kTwoToneSystem, "Two-Tone &Systems", ""},
    {ViewCommand::kTwoToneCall, "Two-Tone &Calls", ""},
    {ViewCommand::kPttId, "&QFX1200 PTT-ID", ""},
    {ViewCommand::kDos, "&DOS", ""},
    {ViewCommand::kAtis, "A&TIS", ""},
};

struct PopupDef {
    const char* title;
    std::vector<int> items;
};

// The menu bar, position by position. Position 2 is the "&Edit" menu,
// built from the tree definition.
const std::vector<PopupDef>& popups()
{
    static const std::vector<PopupDef> kPopups{
        {"&File", {Cmd::kNew, Cmd::kOpen, Cmd::kSave, Cmd::kSaveAs, kSeparator, Cmd::kPrint, Cmd::kPrintPreview,
                   Cmd::kPrintSetup, Cmd::kExportPdf, kSeparator, Cmd::kImportChannels, Cmd::kExportChannels,
                   Cmd::kBackups, kSeparator, kRecentFiles, kSeparator, Cmd::kExit}},
        {"&Model", {Cmd::kModelInfo, Cmd::kComPort, kSeparator, Cmd::kLanguage}},
        {"&Edit", {}},
        {"&Program", {Cmd::kReadRadio, Cmd::kWriteRadio, Cmd::kWriteSeveral, kSeparator, Cmd::kAdjustment, kSeparator,
                      Cmd::kFactoryMode, kSeparator, Cmd::kWriteTuneData, kSeparator, Cmd::kMemoryUpdate}},
        {"&View", {Cmd::kToolBar, Cmd::kStatusBar, kSeparator, Cmd::kTreeBar, Cmd::kTabView, kSeparator,
                   Cmd::kLogView, Cmd::kInvalidView}},
        {"&Window", {Cmd::kCascade, Cmd::kTile, Cmd::kArrange, kSeparator, Cmd::kCloseAll, Cmd::kCloseAllButThis,
                     kSeparator, kWindowList}},
        {"&Help", {Cmd::kHelpTopics, kSeparator, Cmd::kAbout}},
    };
    return kPopups;
}

constexpr int kEditPosition = 2;

// Adds a separator unless the menu is empty or already ends with one.
void addSeparator(QMenu* menu)
{
    const QList<QAction*> acts = menu->actions();
    if (!acts.isEmpty() && !acts.back()->isSeparator()) menu->addSeparator();
}

void dropTrailingSeparator(QMenu* menu)
{
    while (!menu->actions().isEmpty() && menu->actions().back()->isSeparator())
        menu->removeAction(menu->actions().back());
}

QString withoutAccelerator(const QString& text) { return text.section('\t', 0, 0); }

}  // namespace

CFrameMenus::CFrameMenus(QMainWindow* window) : QObject(window), m_window(window)
{
    QStyle* st = QApplication::style();
    for (const CommandDef& def : kCommands) make(def.id, QString::fromUtf8(def.text), QString::fromUtf8(def.shortcut));
    // Redo answers both of the platform's keys.
    m_actions[Cmd::kRedo]->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    for (int id : {Cmd::kToolBar, Cmd::kStatusBar, Cmd::kTreeBar, Cmd::kTabView, Cmd::kLogView, Cmd::kInvalidView})
        m_actions[id]->setCheckable(true);
    m_actions[Cmd::kNew]->setIcon(st->standardIcon(QStyle::SP_FileIcon));
    m_actions[Cmd::kOpen]->setIcon(st->standardIcon(QStyle::SP_DialogOpenButton));
    m_actions[Cmd::kSave]->setIcon(st->standardIcon(QStyle::SP_DialogSaveButton));
    m_actions[Cmd::kReadRadio]->setIcon(st->standardIcon(QStyle::SP_ArrowDown));
    m_actions[Cmd::kWriteRadio]->setIcon(st->standardIcon(QStyle::SP_ArrowUp));
    m_actions[Cmd::kPrint]->setIcon(st->standardIcon(QStyle::SP_FileDialogDetailedView));
    m_actions[Cmd::kTreeBar]->setIcon(st->standardIcon(QStyle::SP_FileDialogListView));
    m_actions[Cmd::kLogView]->setIcon(st->standardIcon(QStyle::SP_FileDialogInfoView));
    m_actions[Cmd::kInvalidView]->setIcon(st->standardIcon(QStyle::SP_MessageBoxWarning));
    m_actions[Cmd::kHelpTopics]->setIcon(st->standardIcon(QStyle::SP_DialogHelpButton));
    m_actions[Cmd::kAbout]->setIcon(st->standardIcon(QStyle::SP_MessageBoxInformation));

    m_toolBar = new QToolBar(window);
    m_toolBar->setObjectName("toolBar");
    m_toolBar->setMovable(true);
    for (int id : {Cmd::kNew, Cmd::kOpen, Cmd::kSave, kSeparator, Cmd::kReadRadio, Cmd::kWriteRadio, kSeparator,
                   Cmd::kPrint, kSeparator, Cmd::kTreeBar, Cmd::kLogView, Cmd::kInvalidView, kSeparator,
                   Cmd::kHelpTopics, Cmd::kAbout}) {
        if (id == kSeparator)
            m_toolBar->addSeparator();
        else
            m_toolBar->addAction(m_actions[id]);
    }
    window->addToolBar(Qt::TopToolBarArea, m_toolBar);
}

QAction* CFrameMenus::make(int id, const QString& text, const QString& shortcut)
{
    auto* a = new QAction(text, m_window);
    a->setObjectName(QString("cmd%1").arg(id));
    a->setData(id);
    if (!shortcut.isEmpty()) a->setShortcut(QKeySequence(shortcut));
    // Accelerators work anywhere in the main window, menus open or not.
    a->setShortcutContext(Qt::WindowShortcut);
    m_window->addAction(a);
    connect(a, &QAction::triggered, this, [this, id] { emit triggered(id); });
    m_actions.insert(id, a);
    m_builtIn.insert(id, text);
    m_order.push_back(id);
    return a;
}

QAction* CFrameMenus::action(int commandId) const { return m_actions.value(commandId, nullptr); }

QList<int> CFrameMenus::commandIds() const { return m_order; }

QMenu* CFrameMenus::menu(int position) const
{
    return position >= 0 && position < m_menus.size() ? m_menus[position] : nullptr;
}

void CFrameMenus::setRecentFiles(const QStringList& paths)
{
    m_recent = paths.mid(0, Cmd::kRecentCount);
    for (int i = 0; i < Cmd::kRecentCount; ++i) {
        QAction* a = m_actions[Cmd::kRecentFirst + i];
        const bool used = i < m_recent.size();
        a->setVisible(used);
        a->setEnabled(used);
        if (used) a->setText(QString("&%1 %2").arg(i + 1).arg(QFileInfo(m_recent[i]).fileName()));
        if (used) a->setStatusTip(m_recent[i]);
    }
}

void CFrameMenus::applyTexts(const IFrameHost& host)
{
    for (int id : m_order) {
        if (id >= Cmd::kRecentFirst && id < Cmd::kRecentFirst + Cmd::kRecentCount) continue;
        QAction* a = m_actions[id];
        const QString caption = withoutAccelerator(LangText::caption(host, id));
        a->setText(caption.isEmpty() ? m_builtIn[id] : caption);
        const QString tip = LangText::toolTip(caption, host.languageIndex());
        a->setToolTip(tip.isEmpty() ? QString(a->text()).remove('&') : tip);
        QString promptText;
        if (id >= 1020 && id <= 65534) {
            const QString msg = LangText::message(host, id);
            if (!msg.isEmpty())
                promptText = LangText::prompt(msg);
            else
                promptText = LangText::message(host, FrameText::kDefaultPrompt);
        }
        a->setStatusTip(promptText);
    }
}

void CFrameMenus::buildEditMenu(QMenu* edit, const IFrameHost& host)
{
    // Undo and Redo of every editor's changes come before the editors.
    edit->addAction(m_actions[Cmd::kUndo]);
    edit->addAction(m_actions[Cmd::kRedo]);
    edit->addSeparator();
    QMenu* popup = nullptr;
    for (const TreeRow& row : NavigationTable::tree()) {
        if (row.menuKind == MenuKind::Separator) {
            popup = nullptr;
            addSeparator(edit);
            continue;
        }
        if (row.menuId == 0 || m_hidden.contains(row.menuId)) continue;
        QAction* a = action(row.menuId);
        if (!a) continue;
        // An entry the tree leaves out is named by its own command.
        const QString caption = withoutAccelerator(LangText::caption(host, row.treeId ? row.treeId : row.menuId));
        if (!caption.isEmpty()) a->setText(caption);
        if (row.menuKind == MenuKind::Popup) {
            popup = edit->addMenu(a->text());
            popup->setObjectName(QString("menu%1").arg(row.menuId));
            continue;
        }
        if (row.depth > 0 && popup)
            popup->addAction(a);
        else {
            popup = nullptr;
            edit->addAction(a);
        }
    }
    dropTrailingSeparator(edit);
}

void CFrameMenus::rebuild(const IFrameHost& host)
{
    applyTexts(host);

    // Commands that the access level withholds: they leave the menus and
    // the toolbar, and their accelerators stop working.
    m_hidden.clear();
    const int level = host.accessCode();
    if (level != AccessCode::kFull) m_hidden << Cmd::kMemoryUpdate << TreeId::kDataWatch;
    if (level != AccessCode::kFull && level != AccessCode::kFactory)
        m_hidden << Cmd::kWriteTuneData << Cmd::kFactoryMode;
    for (int id : m_order) {
        const bool hidden = m_hidden.contains(id);
        m_actions[id]->setVisible(!hidden);
        if (hidden) m_actions[id]->setEnabled(false);
    }

    QMenuBar* bar = m_window->menuBar();
    bar->clear();
    qDeleteAll(m_menus);
    m_menus.clear();
    m_windowMenu = nullptr;
    const auto& defs = popups();
    for (int p = 0; p < static_cast<int>(defs.size()); ++p) {
        const QString title = LangText::caption(host, FrameText::kMenuCaptionBase + p, QString::fromUtf8(defs[p].title));
        auto* menu = new QMenu(title, m_window);
        menu->setObjectName(QString("menuPosition%1").arg(p));
        m_menus.push_back(menu);
        bar->addMenu(menu);
        if (p == kEditPosition) {
            buildEditMenu(menu, host);
            continue;
        }
        for (int id : defs[p].items) {
            if (id == kSeparator) {
                addSeparator(menu);
            } else if (id == kRecentFiles) {
                for (int i = 0; i < Cmd::kRecentCount; ++i) menu->addAction(m_actions[Cmd::kRecentFirst + i]);
            } else if (id == kWindowList) {
                m_windowMenu = menu;
            } else if (!m_hidden.contains(id)) {
                menu->addAction(m_actions[id]);
            }
        }
        dropTrailingSeparator(menu);
    }
    if (m_windowMenu)
        connect(m_windowMenu, &QMenu::aboutToShow, this, [this] { emit windowMenuAboutToShow(m_windowMenu); });
    setRecentFiles(m_recent);
}
