#include "model/RecordKinds.h"

#include "model/AlertToneRecord.h"
#include "model/ChannelRecord.h"
#include "model/EmbeddedMessageRecord.h"
#include "model/FactorySettingsBlock.h"
#include "model/KeysRecord.h"
#include "model/MiscRecord.h"
#include "model/PasswordRecord.h"
#include "model/PersonalityRecord.h"
#include "model/RadioInfoRecord.h"
#include "model/ScanRecord.h"
#include "model/SignallingRecords.h"
#include "model/TestFreqRecord.h"
#include "model/TuneDataRecord.h"
#include "model/TwoToneRecords.h"

namespace {

const RecordKindInfo kKinds[] = {
    {RecordKind::Channel, "channel", ChannelField::kSize, channelFields},
    {RecordKind::Personality, "personality", PersonalityField::kSize, personalityFields},
    {RecordKind::Scan, "scan_list", ScanField::kSize, scanFields},
    {RecordKind::AlertTone, "alert_tone", AlertToneField::kSize, alertToneFields},
    {RecordKind::TwoToneSystem, "two_tone_system", TwoToneSystemField::kSize, twoToneSystemFields},
    {RecordKind::TwoToneCall, "two_tone_call", TwoToneCallField::kSize, twoToneCallFields},
    {RecordKind::RadioInfo, "radio_information", RadioInfoField::kSize, radioInfoFields},
    {RecordKind::Keys, "keys", KeysField::kSize, keysFields},
    {RecordKind::Misc, "miscellaneous", MiscField::kSize, miscFields},
    {RecordKind::Password, "password", PasswordField::kSize, passwordFields},
    {RecordKind::Atis, "atis", AtisField::kSize, atisFields},
    {RecordKind::PttId, "ptt_id", PttIdField::kSize, pttIdFields},
    {RecordKind::Dos, "dos", DosField::kSize, dosFields},
    {RecordKind::TestFreq, "test_frequencies", TestFreqField::kSize, testFreqFields},
    {RecordKind::EmbeddedMessage, "embedded_message", EmbeddedMessageField::kSize, embeddedMessageFields},
    {RecordKind::FactoryBlock, "factory_settings", FactoryBlockField::kSize, factoryBlockFields},
    {RecordKind::TuneData, "tune_data", TuneDataField::kSize, tuneDataFields},
};

}  // namespace

std::span<const RecordKindInfo> recordKinds() { return kKinds; }

const RecordKindInfo& recordKindInfo(RecordKind kind)
{
    for (const RecordKindInfo& k : kKinds)
        if (k.kind == kind) return k;
    return kKinds[0];
}

const RecordKindInfo* findRecordKind(std::string_view name)
{
    for (const RecordKindInfo& k : kKinds)
        if (name == k.name) return &k;
    return nullptr;
}
