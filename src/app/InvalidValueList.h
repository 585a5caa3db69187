#pragma once
// The list of invalid values that the records report: one entry per value,
// identified by a key the reporting record chooses (its id + 65535 + the id
// of the control that edits the value), so the record can take its entry
// back once the user fixed the value. The desktop program shows it in the
// "Invalid View" bar; the command-line tool prints it.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

struct InvalidEntry {
    int key = 0;
    int controlId = 0;    // the control that edits the value
    std::string label;    // first column: which value
    std::string place;    // second column: where it is (editor, record, page)
};

class InvalidValueList {
public:
    // Returns the per-model flag of a control id; a non-zero flag means the
    // current model has no such control, so its values are never listed.
    using ModelFlag = std::function<int(int controlId)>;

    InvalidValueList() = default;
    explicit InvalidValueList(ModelFlag modelFlag) : modelFlag_(std::move(modelFlag)) {}
    void setModelFlag(ModelFlag modelFlag) { modelFlag_ = std::move(modelFlag); }

    // Called after every change (the bar refreshes from it).
    void setOnChanged(std::function<void()> onChanged) { onChanged_ = std::move(onChanged); }

    // Appends the entry unless its key is listed already or its control is
    // disabled for the current model. True when it was appended.
    bool add(InvalidEntry entry);
    // Removes the entry with this key; true when there was one.
    bool remove(int key);
    void clear();

    bool hasEntries() const { return !entries_.empty(); }
    std::size_t size() const { return entries_.size(); }
    const std::vector<InvalidEntry>& entries() const { return entries_; }
    bool contains(int key) const;

private:
    void changed() const
    {
        if (onChanged_) onChanged_();
    }

    std::vector<InvalidEntry> entries_;
    ModelFlag modelFlag_;
    std::function<void()> onChanged_;
};
