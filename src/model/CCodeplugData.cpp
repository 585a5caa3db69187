#include "model/CCodeplugData.h"

#include "model/EmbeddedMessageRecord.h"
#include "model/KeysRecord.h"
#include "model/MiscRecord.h"
#include "model/PasswordRecord.h"
#include "model/RadioInfoRecord.h"
#include "model/SignallingRecords.h"
#include "model/TestFreqRecord.h"
#include "model/TuneDataRecord.h"
#include "settings/ModelValues.h"

#include <memory>

// Items of one list kind get ids from their own counter.
template <class Item>
Item* CCodeplugData::appendTo(RecordList<Item>& list, std::size_t max, const Record& record, std::size_t size, int& counter)
{
    if (list.size() >= max || record.size() != size) return nullptr;
    counter += 200;
    return &list.append(counter, record);
}

CCodeplugData::CCodeplugData()
    : radioInfo(RadioInfoField::kSize),
      keys(KeysField::kSize),
      misc(MiscField::kSize),
      password(PasswordField::kSize),
      atis(AtisField::kSize),
      pttId(PttIdField::kSize),
      dos(DosField::kSize),
      testFreq(TestFreqField::kSize),
      embeddedMessage(EmbeddedMessageField::kSize),
      tuneData(TuneDataField::kSize),
      stampSource_(programmingStampNow)
{
    image_.fill(0xFF);
    factoryBlock.radioInfo = &radioInfo;
    factoryBlock.misc = &misc;
}

void CCodeplugData::clearLists()
{
    channels.clear();
    personalities.clear();
    scanLists.clear();
    alertTones.clear();
    twoToneSystems.clear();
    twoToneCalls.clear();
}

ChannelItem* CCodeplugData::appendChannel(const Record& r)
{
    return appendTo(channels, kMaxChannels, r, ChannelField::kSize, channelScanIds_);
}
PersonalityItem* CCodeplugData::appendPersonality(const Record& r)
{
    return appendTo(personalities, kMaxPersonalities, r, PersonalityField::kSize, personalityIds_);
}
ScanItem* CCodeplugData::appendScanList(const Record& r)
{
    return appendTo(scanLists, kMaxScanLists, r, ScanField::kSize, channelScanIds_);
}
AlertToneItem* CCodeplugData::appendAlertTone(const Record& r)
{
    return appendTo(alertTones, kMaxAlertTones, r, AlertToneField::kSize, alertToneIds_);
}
TwoToneSystemItem* CCodeplugData::appendTwoToneSystem(const Record& r)
{
    return appendTo(twoToneSystems, kMaxTwoToneSystems, r, TwoToneSystemField::kSize, systemIds_);
}
TwoToneCallItem* CCodeplugData::appendTwoToneCall(const Record& r)
{
    return appendTo(twoToneCalls, kMaxTwoToneCalls, r, TwoToneCallField::kSize, callIds_);
}

ChannelItem* CCodeplugData::addChannel(const ModelValues& model)
{
    return appendChannel(defaultChannelRecord(static_cast<int>(channels.size()), model));
}
PersonalityItem* CCodeplugData::addPersonality() { return appendPersonality(defaultPersonalityRecord()); }
ScanItem* CCodeplugData::addScanList() { return appendScanList(defaultScanRecord()); }
AlertToneItem* CCodeplugData::addAlertTone()
{
    return appendAlertTone(defaultAlertToneRecord(static_cast<int>(alertTones.size())));
}
TwoToneSystemItem* CCodeplugData::addTwoToneSystem() { return appendTwoToneSystem(defaultTwoToneSystemRecord()); }
TwoToneCallItem* CCodeplugData::addTwoToneCall() { return appendTwoToneCall(defaultTwoToneCallRecord()); }

void CCodeplugData::loadDefaults(const ModelValues& model)
{
    clearLists();
    for (int i = 0; i < 5; ++i) addAlertTone();
    addPersonality();
    addScanList();
    for (std::size_t i = 0; i < kEditorChannelLimit; ++i) addChannel(model);

    loadKeysFactoryValues(keys);
    loadMiscFactoryValues(misc);
    loadPasswordFactoryValues(password);
    loadAtisFactoryValues(atis);
    loadPttIdFactoryValues(pttId);
    loadDosFactoryValues(dos);
    loadEmbeddedMessageFactoryValues(embeddedMessage);
    loadRadioInfoFactoryValues(radioInfo, model, stampSource_());
    loadTestFreqFactoryValues(testFreq, model);

    addTwoToneSystem();

    loadTuneDataFactoryValues(tuneData);
    factoryBlock.loadFactoryValues();
    factoryBlock.radioInfo = &radioInfo;
    factoryBlock.misc = &misc;

    resolveLinks();
}

void CCodeplugData::resetBandSections(const ModelValues& model)
{
    channels.clear();
    scanLists.clear();
    addScanList();
    for (std::size_t i = 0; i < kEditorChannelLimit; ++i) addChannel(model);
    loadTestFreqFactoryValues(testFreq, model);
    loadRadioInfoFactoryValues(radioInfo, model, stampSource_());
    resolveLinks();
}

CCodeplugData& codeplugData()
{
    static const std::unique_ptr<CCodeplugData> store = std::make_unique<CCodeplugData>();
    return *store;
}
