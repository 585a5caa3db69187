#include "FakeFrameHost.h"
#include "frame/CFrameMenus.h"
#include "frame/FrameIds.h"
#include "settings/AccessLevel.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMetaEnum>
#include <gtest/gtest.h>

namespace {

QList<int> ids(const QMenu* menu)
{
    QList<int> out;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator())
            out << 0;
        else if (a->menu())
            out << -1;
        else
            out << a->data().toInt();
    }
    return out;
}

}  // namespace

TEST(FrameMenus, TextsComeFromTheLanguageFileOrStayBuiltIn)
{
    FakeFrameHost host;
    host.captions[Cmd::kReadRadio] = "读频(&R)";
    host.captions[32790] = "文件(&F)";
    host.captions[32800] = "Radio Info";
    host.language = 1;
    QMainWindow w;
    CFrameMenus menus(&w);
    menus.rebuild(host);
    EXPECT_EQ(menus.action(Cmd::kReadRadio)->text(), "读频(&R)");
    EXPECT_EQ(menus.action(Cmd::kReadRadio)->toolTip(), "读频");
    EXPECT_EQ(menus.action(Cmd::kWriteRadio)->text(), "&Write to Radio");  // no text: built-in
    EXPECT_EQ(menus.menu(0)->title(), "文件(&F)");
    EXPECT_EQ(menus.menu(1)->title(), "&Model");
    EXPECT_EQ(menus.action(TreeId::kRadio)->text(), "Radio Info");

    // A language switch relabels; a text that vanished keeps the last
    // built-in one rather than leaving an empty entry.
    host.captions.erase(Cmd::kReadRadio);
    host.language = 0;
    menus.rebuild(host);
    EXPECT_EQ(menus.action(Cmd::kReadRadio)->text(), "&Read from Radio");
}

TEST(FrameMenus, StatusPromptsAndToolTips)
{
    FakeFrameHost host;
    host.messages[Cmd::kOpen] = "Open an existing codeplug file&Open";
    host.messages[57345] = "Ready";
    host.captions[Cmd::kSave] = "&Save\tCtrl+S";
    QMainWindow w;
    CFrameMenus menus(&w);
    menus.rebuild(host);
    EXPECT_EQ(menus.action(Cmd::kOpen)->statusTip(), "Open an existing codeplug file");
    EXPECT_EQ(menus.action(Cmd::kNew)->statusTip(), "Ready");
    EXPECT_EQ(menus.action(Cmd::kSave)->text(), "&Save");
    EXPECT_EQ(menus.action(Cmd::kSave)->toolTip(), "Save");
    EXPECT_EQ(menus.action(Cmd::kSave)->shortcut(), QKeySequence("Ctrl+S"));
}

TEST(FrameMenus, EveryMenuCommandHasAnAccelerator)
{
    FakeFrameHost host;
    host.level = AccessCode::kFull;
    QMainWindow w;
    CFrameMenus menus(&w);
    menus.rebuild(host);
    QList<QKeySequence> seen;
    for (QMenu* menu : w.menuBar()->findChildren<QMenu*>()) {
        for (QAction* a : menu->actions()) {
            if (a->isSeparator() || a->menu() || !a->isVisible()) continue;
            const int id = a->data().toInt();
            if (id == TreeId::kSettingsGroup) continue;
            EXPECT_FALSE(a->shortcut().isEmpty()) << id << " " << a->text().toStdString();
            if (a->shortcut().isEmpty()) continue;
            EXPECT_FALSE(seen.contains(a->shortcut())) << a->shortcut().toString().toStdString();
            seen << a->shortcut();
        }
    }
}

// No command takes a key the platform already gives a meaning (closing an
// editor window, refreshing, editing text ...): inside an editor window the
// shortcut would be ambiguous and do nothing. The commands that are that
// meaning keep its key.
TEST(FrameMenus, NoShortcutTakesAPlatformKey)
{
    const QHash<int, QKeySequence::StandardKey> own = {
        {Cmd::kNew, QKeySequence::New},       {Cmd::kOpen, QKeySequence::Open},
        {Cmd::kSave, QKeySequence::Save},     {Cmd::kSaveAs, QKeySequence::SaveAs},
        {Cmd::kPrint, QKeySequence::Print},   {Cmd::kExit, QKeySequence::Quit},
        {Cmd::kUndo, QKeySequence::Undo},     {Cmd::kRedo, QKeySequence::Redo},
    };
    // What this platform binds, and what the X11, KDE and GNOME schemes add
    // (the offscreen platform of the tests reports the Windows scheme).
    QList<std::pair<QKeySequence, QKeySequence::StandardKey>> taken;
    const QMetaEnum keys = QMetaEnum::fromType<QKeySequence::StandardKey>();
    for (int i = 0; i < keys.keyCount(); ++i) {
        const auto key = static_cast<QKeySequence::StandardKey>(keys.value(i));
        for (const QKeySequence& k : QKeySequence::keyBindings(key)) taken.push_back({k, key});
    }
    for (const auto& [text, key] : std::initializer_list<std::pair<const char*, QKeySequence::StandardKey>>{
             {"Ctrl+W", QKeySequence::Close}, {"Ctrl+F4", QKeySequence::Close}, {"Ctrl+R", QKeySequence::Refresh},
             {"Ctrl+K", QKeySequence::DeleteEndOfLine}, {"Ctrl+U", QKeySequence::DeleteCompleteLine},
             {"Ctrl+D", QKeySequence::Delete}, {"Ctrl+E", QKeySequence::MoveToEndOfLine},
             {"Ctrl+Shift+A", QKeySequence::Deselect}, {"Ctrl+Shift+F", QKeySequence::FullScreen},
             {"Ctrl+F11", QKeySequence::FullScreen}, {"Ctrl+Q", QKeySequence::Quit},
             {"Ctrl+Shift+S", QKeySequence::SaveAs}, {"Ctrl+Shift+Z", QKeySequence::Redo}})
        taken.push_back({QKeySequence(text), key});

    FakeFrameHost host;
    host.level = AccessCode::kFull;
    QMainWindow w;
    CFrameMenus menus(&w);
    menus.rebuild(host);
    int checked = 0;
    for (int id : menus.commandIds()) {
        for (const QKeySequence& shortcut : menus.action(id)->shortcuts()) {
            ++checked;
            for (const auto& [k, key] : taken)
                EXPECT_FALSE(k == shortcut && own.value(id, QKeySequence::UnknownKey) != key)
                    << id << " " << shortcut.toString().toStdString() << " is " << keys.valueToKey(key);
        }
    }
    EXPECT_GT(checked, 30);
    EXPECT_EQ(menus.action(Cmd::kWriteRadio)->shortcut(), QKeySequence("Ctrl+Shift+W"));
}

TEST(FrameMenus, AccessLevelHidesTheFactoryCommands)
{
    struct Case {
        int level;
        bool memoryUpdate, tuneData, factoryMode, dataWatch;
    };
    for (const Case c : {Case{0, false, false, false, false}, Case{AccessCode::kFactory, false, true, true, false},
                         Case{AccessCode::kFull, true, true, true, true}}) {
        FakeFrameHost host;
        host.level = c.level;
        QMainWindow w;
        CFrameMenus menus(&w);
        menus.rebuild(host);
        const QList<int> program = ids(menus.menu(3));
        const QList<int> edit = ids(menus.menu(2));
        EXPECT_EQ(program.contains(Cmd::kMemoryUpdate), c.memoryUpdate) << c.level;
        EXPECT_EQ(program.contains(Cmd::kWriteTuneData), c.tuneData) << c.level;
        EXPECT_EQ(program.contains(Cmd::kFactoryMode), c.factoryMode) << c.level;
        EXPECT_TRUE(program.contains(Cmd::kAdjustment));
        EXPECT_EQ(edit.contains(TreeId::kDataWatch), c.dataWatch) << c.level;
        // Withheld commands lose their accelerators too.
        EXPECT_EQ(menus.action(Cmd::kMemoryUpdate)->isVisible(), c.memoryUpdate);
        // No menu ends with, or doubles, a separator.
        for (const QList<int>& m : {program, edit}) {
            EXPECT_NE(m.back(), 0);
            for (int i = 1; i < m.size(); ++i) EXPECT_FALSE(m[i] == 0 && m[i - 1] == 0);
        }
    }
}

TEST(FrameMenus, EditMenuFollowsTheTreeDefinition)
{
    FakeFrameHost host;
    host.level = AccessCode::kFull;
    QMainWindow w;
    CFrameMenus menus(&w);
    menus.rebuild(host);
    // Undo and Redo first, then the editors.
    EXPECT_EQ(ids(menus.menu(2)), (QList<int>{Cmd::kUndo, Cmd::kRedo, 0, 32800, 0, -1, 0, 32821, 32823, 0, 32883, 0,
                                              32886, 32887, 0, -1, 0, 32888}));
    EXPECT_EQ(menus.action(Cmd::kUndo)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_EQ(menus.action(Cmd::kRedo)->shortcuts(),
              (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
    QMenu* settings = menus.menu(2)->actions()[5]->menu();
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(ids(settings), (QList<int>{32802, 32803, 32813}));
    // The signalling editors, which have no tree entry.
    QMenu* signalling = menus.menu(2)->actions()[15]->menu();
    ASSERT_NE(signalling, nullptr);
    EXPECT_EQ(ids(signalling), (QList<int>{32858, 32849, 32889, 32864, 32891, 32892}));
    EXPECT_EQ(signalling->title(), "Si&gnalling");
}

TEST(FrameMenus, RecentFilesShowOnlyUsedEntries)
{
    FakeFrameHost host;
    QMainWindow w;
    CFrameMenus menus(&w);
    menus.rebuild(host);
    menus.setRecentFiles({"/tmp/a.qav", "/tmp/dir/b.qav"});
    EXPECT_TRUE(menus.action(Cmd::kRecentFirst)->isVisible());
    EXPECT_EQ(menus.action(Cmd::kRecentFirst + 1)->text(), "&2 b.qav");
    EXPECT_FALSE(menus.action(Cmd::kRecentFirst + 2)->isVisible());
}
