#pragma once
// The elements of the six record lists. Each owns its record and the links
// of its kind. Links are held as the ids of the records they point to (0 =
// none), so deleting a record can never leave a dangling pointer behind; the
// store turns an id back into its record (RecordList::findById).
#include "model/AlertToneRecord.h"
#include "model/ChannelRecord.h"
#include "model/PersonalityRecord.h"
#include "model/ScanRecord.h"
#include "model/TwoToneRecords.h"

#include <array>

struct SectionItem {
    SectionItem(int id_, Record record_) : id(id_), record(std::move(record_)) {}
    virtual ~SectionItem() = default;
    SectionItem(const SectionItem&) = delete;
    SectionItem& operator=(const SectionItem&) = delete;

    const int id;   // unique within the store, never reused
    Record record;  // fixed size, allocated with the item
};

struct ChannelItem : SectionItem {
    using SectionItem::SectionItem;
    int personalityId = 0;  // personality at the index in byte 18
    int scanListId = 0;     // scan list numbered in byte 19
};

struct PersonalityItem : SectionItem {
    using SectionItem::SectionItem;
    int rxSystemId = 0;  // two-tone system chosen for receive signalling
    int txSystemId = 0;  // ... for transmit signalling
};

struct ScanItem : SectionItem {
    using SectionItem::SectionItem;
    std::array<int, ScanField::kMemberCount> memberIds{};
    int designatedId = 0;
    int priorityId = 0;
    int thirdId = 0;
};

struct AlertToneItem : SectionItem {
    using SectionItem::SectionItem;
};

struct TwoToneSystemItem : SectionItem {
    using SectionItem::SectionItem;
    std::array<int, TwoToneSystemField::kDecodeCount> alertToneIds{};
};

struct TwoToneCallItem : SectionItem {
    using SectionItem::SectionItem;
    int systemId = 0;
    int channelId = 0;
};
