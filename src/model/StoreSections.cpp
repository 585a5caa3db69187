#include "model/StoreSections.h"

#include "model/CCodeplugData.h"

namespace {

template <class List>
std::vector<const Record*> recordsOf(const List& list)
{
    std::vector<const Record*> out;
    for (const auto& item : list) out.push_back(&item.record);
    return out;
}

}  // namespace

std::vector<SectionRecords> storeSections(const CCodeplugData& s)
{
    auto one = [](RecordKind k, const Record& r) {
        return SectionRecords{&recordKindInfo(k), {&r}};
    };
    auto many = [](RecordKind k, std::vector<const Record*> rs) {
        return SectionRecords{&recordKindInfo(k), std::move(rs)};
    };
    return {
        one(RecordKind::RadioInfo, s.radioInfo),
        one(RecordKind::Keys, s.keys),
        one(RecordKind::Misc, s.misc),
        one(RecordKind::FactoryBlock, s.factoryBlock.own),
        one(RecordKind::PttId, s.pttId),
        one(RecordKind::Dos, s.dos),
        one(RecordKind::Atis, s.atis),
        many(RecordKind::AlertTone, recordsOf(s.alertTones)),
        one(RecordKind::Password, s.password),
        many(RecordKind::Channel, recordsOf(s.channels)),
        many(RecordKind::Personality, recordsOf(s.personalities)),
        many(RecordKind::TwoToneSystem, recordsOf(s.twoToneSystems)),
        many(RecordKind::TwoToneCall, recordsOf(s.twoToneCalls)),
        many(RecordKind::Scan, recordsOf(s.scanLists)),
        one(RecordKind::TestFreq, s.testFreq),
        one(RecordKind::EmbeddedMessage, s.embeddedMessage),
        one(RecordKind::TuneData, s.tuneData),
    };
}
