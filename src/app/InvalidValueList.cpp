#include "app/InvalidValueList.h"

#include <algorithm>

bool InvalidValueList::contains(int key) const
{
    return std::any_of(entries_.begin(), entries_.end(), [&](const InvalidEntry& e) { return e.key == key; });
}

bool InvalidValueList::add(InvalidEntry entry)
{
    if (contains(entry.key)) return false;
    if (modelFlag_ && modelFlag_(entry.controlId) != 0) return false;
    entries_.push_back(std::move(entry));
    changed();
    return true;
}

bool InvalidValueList::remove(int key)
{
    const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const InvalidEntry& e) { return e.key == key; });
    if (it == entries_.end()) return false;
    entries_.erase(it);
    changed();
    return true;
}

void InvalidValueList::clear()
{
    if (entries_.empty()) return;
    entries_.clear();
    changed();
}
