#pragma once
// The fixed tables behind the navigation tree and the "&Edit" menu: which
// editor each entry opens, how many records that editor can step through,
// and the order and nesting of the entries.
#include <span>

struct ViewTableRow {
    int commandId;
    const char* viewClass;   // class name of the editor view
    int recordLimit;         // largest record count of its list; 0: not numbered
};

enum class MenuKind { Item = 0, Popup = 1, Separator = -1 };

struct TreeRow {
    int treeId;       // 0: separator row
    int depth;
    int menuId;       // 0: no menu item of its own
    MenuKind menuKind;
};

namespace NavigationTable {

std::span<const ViewTableRow> views();
std::span<const TreeRow> tree();

// The view table row of a command id; nullptr when no editor belongs to it.
const ViewTableRow* viewFor(int commandId);

// The tree entry that an "&Edit" menu command opens: the group commands of
// the numbered lists stand for their first member, one id higher.
int treeIdForMenuCommand(int commandId);

// Tree entries that grow one item per record of a list.
std::span<const int> numberedIds();

}  // namespace NavigationTable
