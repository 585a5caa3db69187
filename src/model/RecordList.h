#pragma once
// An ordered list of owned list items. Anyone may read and edit the items;
// only the store (and its mapper) creates and destroys them, so item
// addresses stay stable until the store changes the list.
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

class CCodeplugData;
class CCodeplugMapper;

template <class Item>
class RecordList {
public:
    std::size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    Item& operator[](std::size_t i) { return *items_.at(i); }
    const Item& operator[](std::size_t i) const { return *items_.at(i); }

    Item* findById(int id)
    {
        const int i = indexOfId(id);
        return i < 0 ? nullptr : items_[static_cast<std::size_t>(i)].get();
    }
    const Item* findById(int id) const { return const_cast<RecordList*>(this)->findById(id); }

    // 0-based position of the item with this id, -1 when there is none.
    int indexOfId(int id) const
    {
        if (id == 0) return -1;
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (items_[i]->id == id) return static_cast<int>(i);
        return -1;
    }

    template <class Ptr, class Ref>
    class Iter {
    public:
        Iter(Ptr p) : p_(p) {}
        Ref operator*() const { return **p_; }
        Iter& operator++() { ++p_; return *this; }
        bool operator!=(const Iter& o) const { return p_ != o.p_; }
    private:
        Ptr p_;
    };
    using iterator = Iter<typename std::vector<std::unique_ptr<Item>>::iterator, Item&>;
    using const_iterator = Iter<typename std::vector<std::unique_ptr<Item>>::const_iterator, const Item&>;
    iterator begin() { return items_.begin(); }
    iterator end() { return items_.end(); }
    const_iterator begin() const { return items_.begin(); }
    const_iterator end() const { return items_.end(); }

private:
    friend class CCodeplugData;
    friend class CCodeplugMapper;

    Item& append(int id, Record record)
    {
        items_.push_back(std::make_unique<Item>(id, std::move(record)));
        return *items_.back();
    }
    bool erase(std::size_t i)
    {
        if (i >= items_.size()) return false;
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
        return true;
    }
    void clear() { items_.clear(); }

    std::vector<std::unique_ptr<Item>> items_;
};
