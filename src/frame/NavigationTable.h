#pragma once
// The fixed tables behind the navigation tree and the "&Edit" menu: the
// order and nesting of the entries; which editor an entry opens and how
// many records it steps through come from the editor registry.
#include "views/EditorRegistry.h"

#include <span>

enum class MenuKind { Item = 0, Popup = 1, Separator = -1 };

struct TreeRow {
    int treeId;       // 0: separator row, or (with a menuId) an "&Edit" menu entry the tree leaves out
    int depth;
    int menuId;       // 0: no menu item of its own
    MenuKind menuKind;
};

namespace NavigationTable {

std::span<const EditorRow> views();
std::span<const TreeRow> tree();

// The view table row of a command id; nullptr when no editor belongs to it.
const EditorRow* viewFor(int commandId);

// The tree entry that an "&Edit" menu command opens: the group commands of
// the numbered lists stand for their first member, one id higher.
int treeIdForMenuCommand(int commandId);

// Tree entries that grow one item per record of a list.
std::span<const int> numberedIds();

}  // namespace NavigationTable
