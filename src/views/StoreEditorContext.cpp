#include "views/StoreEditorContext.h"

#include "app/InvalidValueList.h"
#include "app/ReferenceChecks.h"
#include "model/CCodeplugData.h"
#include "settings/SettingsManager.h"
#include "views/EditorRegistry.h"

#include <functional>

namespace {

// A fixed section: exactly one record, never added to or removed from.
class FixedSection : public SectionAccess {
public:
    explicit FixedSection(Record& record) : record_(record) {}
    int count() const override { return 1; }
    Record* at(int index) override { return index == 0 ? &record_ : nullptr; }
    int idAt(int index) const override { return index == 0 ? 1 : 0; }
    int indexOfId(int id) const override { return id == 1 ? 0 : -1; }
    bool append() override { return false; }
    bool remove(int) override { return false; }

private:
    Record& record_;
};

// A record list of the store; records are made and destroyed by the store only.
template <class Item>
class ListSection : public SectionAccess {
public:
    ListSection(RecordList<Item>& list, std::size_t limit, std::function<Item*()> add,
                std::function<bool(std::size_t)> remove)
        : list_(list), limit_(limit), add_(std::move(add)), remove_(std::move(remove))
    {
    }
    int count() const override { return static_cast<int>(list_.size()); }
    Record* at(int index) override
    {
        return index >= 0 && index < count() ? &list_[static_cast<std::size_t>(index)].record : nullptr;
    }
    int idAt(int index) const override
    {
        return index >= 0 && index < count() ? list_[static_cast<std::size_t>(index)].id : 0;
    }
    int indexOfId(int id) const override { return list_.indexOfId(id); }
    bool append() override { return list_.size() < limit_ && add_() != nullptr; }
    bool remove(int index) override { return index >= 0 && remove_(static_cast<std::size_t>(index)); }

private:
    RecordList<Item>& list_;
    std::size_t limit_;
    std::function<Item*()> add_;
    std::function<bool(std::size_t)> remove_;
};

template <class Item>
std::unique_ptr<SectionAccess> listSection(RecordList<Item>& list, std::size_t limit, std::function<Item*()> add,
                                           std::function<bool(std::size_t)> remove)
{
    return std::make_unique<ListSection<Item>>(list, limit, std::move(add), std::move(remove));
}

// The editors never grow a list beyond the registry's limit for it.
std::size_t editorLimit(Section id) { return static_cast<std::size_t>(EditorRegistry::recordLimit(id)); }

}  // namespace

StoreEditorContext::StoreEditorContext(CCodeplugData& store, CSettingsManager& settings, InvalidValueList* invalid)
    : store_(store), settings_(settings), invalid_(invalid), language_(settings)
{
    CCodeplugData& s = store_;
    sections_[Section::RadioInfo] = std::make_unique<FixedSection>(s.radioInfo);
    sections_[Section::Password] = std::make_unique<FixedSection>(s.password);
    sections_[Section::Misc] = std::make_unique<FixedSection>(s.misc);
    sections_[Section::Keys] = std::make_unique<FixedSection>(s.keys);
    sections_[Section::TestFreq] = std::make_unique<FixedSection>(s.testFreq);
    sections_[Section::PttId] = std::make_unique<FixedSection>(s.pttId);
    sections_[Section::Dos] = std::make_unique<FixedSection>(s.dos);
    sections_[Section::Atis] = std::make_unique<FixedSection>(s.atis);
    sections_[Section::EmbeddedMessage] = std::make_unique<FixedSection>(s.embeddedMessage);
    sections_[Section::Channels] = listSection<ChannelItem>(
        s.channels, editorLimit(Section::Channels), [&s, this] { return s.addChannel(settings_.model()); },
        [&s](std::size_t i) { return s.deleteChannel(i); });
    sections_[Section::Personalities] = listSection<PersonalityItem>(
        s.personalities, editorLimit(Section::Personalities), [&s] { return s.addPersonality(); },
        [&s](std::size_t i) { return s.deletePersonality(i); });
    sections_[Section::ScanList] = listSection<ScanItem>(
        s.scanLists, editorLimit(Section::ScanList), [&s] { return s.addScanList(); },
        [&s](std::size_t i) { return s.deleteScanList(i); });
    sections_[Section::AlertTones] = listSection<AlertToneItem>(
        s.alertTones, editorLimit(Section::AlertTones), [&s] { return s.addAlertTone(); },
        [&s](std::size_t i) { return s.deleteAlertTone(i); });
    sections_[Section::TwoToneSystems] = listSection<TwoToneSystemItem>(
        s.twoToneSystems, editorLimit(Section::TwoToneSystems), [&s] { return s.addTwoToneSystem(); },
        [&s](std::size_t i) { return s.deleteTwoToneSystem(i); });
    sections_[Section::TwoToneCalls] = listSection<TwoToneCallItem>(
        s.twoToneCalls, editorLimit(Section::TwoToneCalls), [&s] { return s.addTwoToneCall(); },
        [&s](std::size_t i) { return s.deleteTwoToneCall(i); });
}

StoreEditorContext::~StoreEditorContext() = default;

const ModelValues& StoreEditorContext::model() const { return settings_.model(); }

std::string StoreEditorContext::firmwareVersion() const { return settings_.firmwareVersion(); }

SectionAccess* StoreEditorContext::section(Section id)
{
    auto it = sections_.find(id);
    return it == sections_.end() ? nullptr : it->second.get();
}

void StoreEditorContext::notifyRecords(const ChangeNotice& notice)
{
    // Records only react to deletions: a reference to the deleted record
    // now leads nowhere and is listed as invalid.
    if (notice.action != NoticeAction::kDeleted || !invalid_) return;
    checkReferences(store_, *invalid_, [this](int id) { return settings_.caption(id); });
}

std::span<const std::uint8_t> StoreEditorContext::codeplugImage() const { return store_.image(); }

int* StoreEditorContext::linkOf(Section section, int recordId, int slot) const
{
    CCodeplugData& s = store_;
    switch (section) {
    case Section::Channels:
        if (ChannelItem* ch = s.channels.findById(recordId)) {
            if (slot == RecordLink::kPersonality) return &ch->personalityId;
            if (slot == RecordLink::kScanList) return &ch->scanListId;
        }
        return nullptr;
    case Section::ScanList:
        if (ScanItem* scan = s.scanLists.findById(recordId)) {
            if (slot >= RecordLink::kMember1 && slot < RecordLink::kMember1 + ScanField::kMemberCount)
                return &scan->memberIds[static_cast<std::size_t>(slot - RecordLink::kMember1)];
            if (slot == RecordLink::kDesignated) return &scan->designatedId;
            if (slot == RecordLink::kPriority) return &scan->priorityId;
        }
        return nullptr;
    case Section::Personalities:
        if (PersonalityItem* p = s.personalities.findById(recordId)) {
            if (slot == RecordLink::kRxSystem) return &p->rxSystemId;
            if (slot == RecordLink::kTxSystem) return &p->txSystemId;
        }
        return nullptr;
    default: return nullptr;
    }
}

int StoreEditorContext::link(Section section, int recordId, int slot) const
{
    const int* target = linkOf(section, recordId, slot);
    return target ? *target : 0;
}

void StoreEditorContext::setLink(Section section, int recordId, int slot, int targetId)
{
    if (int* target = linkOf(section, recordId, slot)) *target = targetId;
}

void StoreEditorContext::clearInvalid(int key)
{
    if (invalid_) invalid_->remove(key);
}
