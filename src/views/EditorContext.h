#pragma once
// What an editor needs from the rest of the program: the language texts,
// the current model, the sections of the store and the way to hand a change
// notice to the store's record objects. The desktop program implements it
// on the settings manager and the section store; tests on plain records.
// The context outlives every view created with it.
#include "link/SessionContext.h"
#include "link/TransferResult.h"
#include "views/ChangeNotice.h"
#include "model/Section.h"

#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <string>

class LanguageSource;
class Record;
struct ModelValues;

// One section of the store as an editor sees it: a fixed section is a list
// of exactly one record. Every record has an id that stays with it while
// others are added and deleted; editors hold their record by that id, since
// a position goes stale the moment another editor deletes an earlier record.
class SectionAccess {
public:
    virtual ~SectionAccess() = default;
    virtual int count() const = 0;
    // The record at `index`; nullptr when out of range.
    virtual Record* at(int index) = 0;
    // The id of the record at `index` (never 0); 0 when out of range.
    virtual int idAt(int index) const = 0;
    // The position of the record with `id`; -1 when it is gone.
    virtual int indexOfId(int id) const = 0;
    // Appends a default record; false when the section is fixed or full.
    virtual bool append() = 0;
    // Removes the record at `index`; false when refused.
    virtual bool remove(int index) = 0;
};

// The references of a record, by section.
namespace RecordLink {
constexpr int kPersonality = 0;     // channel -> personality
constexpr int kScanList = 1;        // channel -> scan list (0: none)
constexpr int kMember1 = 0;         // scan list -> its sixteen members, kMember1 + k
constexpr int kDesignated = 16;     // scan list -> designated channel
constexpr int kPriority = 17;       // scan list -> priority channel 1
constexpr int kRxSystem = 0;        // personality -> receive signalling system
constexpr int kTxSystem = 1;        // personality -> transmit signalling system
}  // namespace RecordLink

class EditorContext {
public:
    virtual ~EditorContext() = default;
    virtual const LanguageSource& language() const = 0;
    virtual const ModelValues& model() const = 0;
    // The firmware version text of the opened file or the read radio.
    virtual std::string firmwareVersion() const = 0;
    // nullptr when the store has no such section.
    virtual SectionAccess* section(Section id) = 0;
    // Passes a notice to every record object of the store.
    virtual void notifyRecords(const ChangeNotice& notice) = 0;
    // The 8192-byte codeplug image as last packed (the data watch shows it);
    // empty when the program keeps none.
    virtual std::span<const std::uint8_t> codeplugImage() const { return {}; }

    // An editor that talks to the radio itself (the embedded messages) runs
    // its session through this: the program shows its progress dialog and
    // runs the session on a worker thread, so the window stays responsive;
    // the dialog shows the outcome. Without a radio runner (set by the
    // program) a session fails with nothing to show.
    using RadioSession = std::function<TransferResult(SessionContext&)>;
    using RadioRunner = std::function<TransferResult(RadioSession session, bool write)>;
    TransferResult runRadioSession(RadioSession session, bool write)
    {
        return radioRunner_ ? radioRunner_(std::move(session), write) : TransferResult{};
    }
    void setRadioRunner(RadioRunner runner) { radioRunner_ = std::move(runner); }

    // The records a record refers to (a channel's personality and scan
    // list, a scan list's members...), held by the target's id so a deleted
    // target shows as a reference that leads nowhere. `slot` is a RecordLink
    // value; 0 means no reference. Sections without links keep none.
    virtual int link(Section, int /*recordId*/, int /*slot*/) const { return 0; }
    virtual void setLink(Section, int /*recordId*/, int /*slot*/, int /*targetId*/) {}
    // Takes back the invalid-value entry with this key (the user fixed the value).
    virtual void clearInvalid(int /*key*/) {}

    // The tab a kind of sheet editor showed when its last view closed, so
    // the next view of that kind opens on it; 0 until one has closed.
    int rememberedPage(int viewKind) const
    {
        auto it = pages_.find(viewKind);
        return it == pages_.end() ? 0 : it->second;
    }
    void rememberPage(int viewKind, int page) { pages_[viewKind] = page; }

private:
    std::map<int, int> pages_;
    RadioRunner radioRunner_;
};
