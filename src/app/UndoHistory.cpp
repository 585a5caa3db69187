#include "app/UndoHistory.h"

#include "model/CCodeplugData.h"

void UndoHistory::reset(const CCodeplugData& store, Revision revision)
{
    states_.clear();
    states_.push_back({store.snapshot(), revision});
    current_ = 0;
}

void UndoHistory::push(const CCodeplugData& store, Revision revision)
{
    if (states_.empty()) {
        reset(store, revision);
        return;
    }
    states_.erase(states_.begin() + static_cast<std::ptrdiff_t>(current_ + 1), states_.end());
    states_.push_back({store.snapshot(), revision});
    if (states_.size() > kLimit) states_.erase(states_.begin());
    current_ = states_.size() - 1;
}

void UndoHistory::renumberCurrent(Revision revision)
{
    if (current_ < states_.size()) states_[current_].revision = revision;
}

void UndoHistory::absorb(const CCodeplugData& store)
{
    if (current_ < states_.size()) states_[current_].snapshot = store.snapshot();
}

UndoHistory::Revision UndoHistory::undo(CCodeplugData& store)
{
    if (!canUndo()) return 0;
    --current_;
    store.restore(states_[current_].snapshot);
    return states_[current_].revision;
}

UndoHistory::Revision UndoHistory::redo(CCodeplugData& store)
{
    if (!canRedo()) return 0;
    ++current_;
    store.restore(states_[current_].snapshot);
    return states_[current_].revision;
}
