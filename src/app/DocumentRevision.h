#pragma once
// Whether the codeplug changed since it was last saved, read, opened or
// made new. Every committed change that alters a record (an edit, an added
// or deleted record) makes a new revision; the revision that was last
// saved is remembered, and the document is modified while the two differ.
//
// Revisions are numbered once and never reused, so a later undo that puts
// back the records of an earlier revision can also put back its number
// (moveTo): undoing back to the saved revision is unmodified again.
#include <cstdint>
#include <vector>

class CCodeplugData;

class DocumentRevision {
public:
    using Number = std::uint64_t;

    // The records as they are now are the saved state.
    void markSaved(const CCodeplugData& store);
    // After a change may have been committed: a new revision when the
    // records differ from those of the current one. True when it made one.
    bool noteChange(const CCodeplugData& store);
    // A change outside the records (the header's model name): a new
    // revision whatever the records hold.
    void bump();
    // Takes the records as they are now for the current revision without
    // making a new one: what the radio put back after a write (its
    // programming stamp) is not the user's change.
    void absorb(const CCodeplugData& store);
    // Returns to a revision seen before whose records the store holds again.
    void moveTo(Number revision, const CCodeplugData& store);

    Number current() const { return current_; }
    Number saved() const { return saved_; }
    bool modified() const { return current_ != saved_; }

private:
    static std::vector<std::uint8_t> contentOf(const CCodeplugData& store);

    Number next_ = 1;
    Number current_ = 0;
    Number saved_ = 0;
    std::vector<std::uint8_t> content_;
};
