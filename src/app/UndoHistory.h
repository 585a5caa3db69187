#pragma once
// Undo and redo for every change the editors commit. After each change
// that made a new document revision the whole store is copied (one image's
// worth of records, so a copy per change is cheap); undo and redo put an
// earlier or later copy back together with its revision number, so undoing
// back to the saved state leaves the document unmodified. New, Open and
// Read from Radio start the history afresh.
#include "model/StoreSnapshot.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class CCodeplugData;

class UndoHistory {
public:
    using Revision = std::uint64_t;

    // The store as it is now is the only state; nothing to undo or redo.
    void reset(const CCodeplugData& store, Revision revision);
    // A change was committed and made `revision`: it becomes the current
    // state, and what had been undone can no longer be redone.
    void push(const CCodeplugData& store, Revision revision);
    // The current state was saved under a new revision number.
    void renumberCurrent(Revision revision);
    // The store changed without a change of its own (what a write to the
    // radio put back): the current state takes it over.
    void absorb(const CCodeplugData& store);

    bool canUndo() const { return current_ > 0; }
    bool canRedo() const { return current_ + 1 < states_.size(); }
    // Puts the previous / next state back into the store; returns its
    // revision, or 0 when there is none (the store is left alone).
    Revision undo(CCodeplugData& store);
    Revision redo(CCodeplugData& store);

    // The most states kept; the oldest are dropped beyond it.
    static constexpr std::size_t kLimit = 200;

private:
    struct State {
        StoreSnapshot snapshot;
        Revision revision;
    };
    std::vector<State> states_;
    std::size_t current_ = 0;
};
