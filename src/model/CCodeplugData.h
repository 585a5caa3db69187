#pragma once
// The section store: the 8192-byte codeplug image, the fixed sections and
// the six record lists. Editors, printing and the document procedures all
// work on the one store that codeplugData() returns; tests construct their
// own. The store converts between image and sections through its mapper.
#include "model/CCodeplugMapper.h"
#include "model/FactorySettingsBlock.h"
#include "model/ListItems.h"
#include "model/MemoryMap.h"
#include "model/ProgrammingStamp.h"
#include "model/Record.h"
#include "model/RecordList.h"
#include "model/StoreSnapshot.h"

#include <array>
#include <functional>

struct ModelValues;

class CCodeplugData {
public:
    using Image = std::array<std::uint8_t, Image::kSize>;

    CCodeplugData();
    CCodeplugData(const CCodeplugData&) = delete;
    CCodeplugData& operator=(const CCodeplugData&) = delete;

    Image& image() { return image_; }
    const Image& image() const { return image_; }
    CCodeplugMapper& mapper() { return mapper_; }

    // Fixed sections: one record each, allocated once, never replaced.
    Record radioInfo;
    Record keys;
    Record misc;
    Record password;
    Record atis;
    Record pttId;
    Record dos;
    Record testFreq;
    Record embeddedMessage;
    FactorySettingsBlock factoryBlock;  // references radioInfo and misc
    Record tuneData;

    RecordList<ChannelItem> channels;
    RecordList<PersonalityItem> personalities;
    RecordList<ScanItem> scanLists;
    RecordList<AlertToneItem> alertTones;
    RecordList<TwoToneSystemItem> twoToneSystems;
    RecordList<TwoToneCallItem> twoToneCalls;

    // How many records of each list the image holds; the store never grows
    // a list beyond it, so pack never has to drop a record.
    static constexpr std::size_t kMaxChannels = ImageSlots::kChannels;
    static constexpr std::size_t kMaxPersonalities = ImageSlots::kPersonalities;
    static constexpr std::size_t kMaxScanLists = ImageSlots::kScanLists;
    static constexpr std::size_t kMaxAlertTones = ImageSlots::kAlertTones;
    static constexpr std::size_t kMaxTwoToneSystems = ImageSlots::kTwoToneSystems;
    static constexpr std::size_t kMaxTwoToneCalls = ImageSlots::kTwoToneCalls;
    // The channel views offer "new" only below this many channels.
    static constexpr std::size_t kEditorChannelLimit = 16;

    void clearLists();
    void loadDefaults(const ModelValues& model);
    void resetBandSections(const ModelValues& model);

    // image -> sections (then links) and sections -> image.
    void unpack() { mapper_.unpack(*this); }
    void pack() { mapper_.pack(*this); }
    void resolveLinks() { mapper_.resolveLinks(*this); }

    // Appending records with their kind's default record. Each returns
    // nullptr (and changes nothing) when the list already fills its area.
    ChannelItem* addChannel(const ModelValues& model);
    PersonalityItem* addPersonality();
    ScanItem* addScanList();
    AlertToneItem* addAlertTone();
    TwoToneSystemItem* addTwoToneSystem();
    TwoToneCallItem* addTwoToneCall();

    // Appending a given record (unpack, paste); nullptr when the list is full
    // or the record has the wrong size.
    ChannelItem* appendChannel(const Record& record);
    PersonalityItem* appendPersonality(const Record& record);
    ScanItem* appendScanList(const Record& record);
    AlertToneItem* appendAlertTone(const Record& record);
    TwoToneSystemItem* appendTwoToneSystem(const Record& record);
    TwoToneCallItem* appendTwoToneCall(const Record& record);

    // Removing the record at a 0-based position; false when there is none.
    // Links to it are not rewritten: referring records keep their stored
    // numbers and their links find nothing, which validation reports.
    bool deleteChannel(std::size_t index) { return channels.erase(index); }
    bool deletePersonality(std::size_t index) { return personalities.erase(index); }
    bool deleteScanList(std::size_t index) { return scanLists.erase(index); }
    bool deleteAlertTone(std::size_t index) { return alertTones.erase(index); }
    bool deleteTwoToneSystem(std::size_t index) { return twoToneSystems.erase(index); }
    bool deleteTwoToneCall(std::size_t index) { return twoToneCalls.erase(index); }

    // Every record with its id and links, and putting them back. Restore
    // replaces the lists' items (their addresses change; ids stay) and
    // writes the fixed records in place.
    StoreSnapshot snapshot() const;
    void restore(const StoreSnapshot& snapshot);

    // Where the factory values take the programming stamp from (the local
    // time unless a test sets a fixed one).
    void setStampSource(std::function<ProgrammingStamp()> source) { stampSource_ = std::move(source); }
    ProgrammingStamp stampNow() const { return stampSource_(); }

private:
    template <class Item>
    Item* appendTo(RecordList<Item>& list, std::size_t max, const Record& record, std::size_t size, int& counter);

    Image image_{};
    CCodeplugMapper mapper_;
    std::function<ProgrammingStamp()> stampSource_;
    // Ids grow by 200 from a different seed per counter so the keys built
    // from them (id + 65535 + control id) never meet; channels and scan
    // lists share one counter.
    int channelScanIds_ = 1000;
    int personalityIds_ = 100000;
    int alertToneIds_ = 200000;
    int systemIds_ = 300000;
    int callIds_ = 400000;
};

// The program's one store, created on first use.
CCodeplugData& codeplugData();
