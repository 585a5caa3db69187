#pragma once
// Which record buttons of an editor's navigation bar are shown and usable.
// The frame works the state out from the tree entry the editor was opened
// from; the bar turns it into enabled buttons.

struct NavBarMode {
    bool show = false;   // record buttons and position display visible
    int kind = 0;        // with show: button state 0..9; without: 1 hides Print, 2 Print and Help
    bool operator==(const NavBarMode&) const = default;
};

namespace NavBarState {

// For a numbered entry: record number n (1-based) among `count` sibling
// entries of an editor whose list holds at most `limit` records.
NavBarMode forNumbered(int n, int count, int limit);

// For an entry without a record number, by the editor it opens.
NavBarMode forPlain(int treeId);

// The enabled state of first, previous, next, last, new and delete.
struct Buttons {
    bool first, previous, next, last, add, remove;
};
Buttons buttonsFor(int state);

}  // namespace NavBarState
