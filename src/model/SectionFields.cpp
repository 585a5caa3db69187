#include "model/SectionFields.h"

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

#include <string>
#include <vector>

namespace {

// Indexed by the Section enumerator.
const SectionInfo kSections[] = {
    {Section::RadioInfo, "radio_information", RadioInfoField::kSize, radioInfoSchema},
    {Section::Keys, "keys", KeysField::kSize, keysSchema},
    {Section::Misc, "miscellaneous", MiscField::kSize, miscSchema},
    {Section::FactoryBlock, "factory_settings", FactoryBlockField::kSize, factoryBlockSchema},
    {Section::PttId, "ptt_id", PttIdField::kSize, pttIdSchema},
    {Section::Dos, "dos", DosField::kSize, dosSchema},
    {Section::Atis, "atis", AtisField::kSize, atisSchema},
    {Section::AlertTones, "alert_tone", AlertToneField::kSize, alertToneSchema},
    {Section::Password, "password", PasswordField::kSize, passwordSchema},
    {Section::Channels, "channel", ChannelField::kSize, channelSchema},
    {Section::Personalities, "personality", PersonalityField::kSize, personalitySchema},
    {Section::TwoToneSystems, "two_tone_system", TwoToneSystemField::kSize, twoToneSystemSchema},
    {Section::TwoToneCalls, "two_tone_call", TwoToneCallField::kSize, twoToneCallSchema},
    {Section::ScanList, "scan_list", ScanField::kSize, scanSchema},
    {Section::TestFreq, "test_frequencies", TestFreqField::kSize, testFreqSchema},
    {Section::EmbeddedMessage, "embedded_message", EmbeddedMessageField::kSize, embeddedMessageSchema},
    {Section::TuneData, "tune_data", TuneDataField::kSize, tuneDataSchema},
};

const std::vector<std::vector<FieldDesc>>& expandedTables()
{
    static const std::vector<std::vector<FieldDesc>> tables = [] {
        std::vector<std::vector<FieldDesc>> all;
        for (const SectionInfo& s : kSections) all.push_back(expandFields(s.schema()));
        return all;
    }();
    return tables;
}

std::size_t indexOf(Section section) { return static_cast<std::size_t>(section); }

}  // namespace

std::span<const FieldDesc> SectionInfo::fields() const { return sectionFields(section); }

std::span<const SectionInfo> sectionInfos() { return kSections; }

const SectionInfo& sectionInfo(Section section) { return kSections[indexOf(section)]; }

const SectionInfo* findSection(std::string_view name)
{
    for (const SectionInfo& s : kSections)
        if (name == s.name) return &s;
    return nullptr;
}

std::span<const FieldDesc> sectionFields(Section section) { return expandedTables()[indexOf(section)]; }

const FieldDesc* findField(Section section, std::string_view name)
{
    for (const FieldDesc& f : sectionFields(section))
        if (name == f.name) return &f;
    return nullptr;
}

const FieldDesc* findField(Section section, std::string_view pattern, int row)
{
    for (const FieldDesc& f : sectionFields(section)) {
        if (f.index != row) continue;
        std::string name(pattern);
        if (const auto at = name.find('%'); at != std::string::npos)
            name.replace(at, 1, std::to_string(f.firstNumber + row));
        if (name == f.name) return &f;
    }
    return nullptr;
}
