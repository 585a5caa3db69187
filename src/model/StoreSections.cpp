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
    auto one = [](Section k, const Record& r) {
        return SectionRecords{&sectionInfo(k), {&r}};
    };
    auto many = [](Section k, std::vector<const Record*> rs) {
        return SectionRecords{&sectionInfo(k), std::move(rs)};
    };
    return {
        one(Section::RadioInfo, s.radioInfo),
        one(Section::Keys, s.keys),
        one(Section::Misc, s.misc),
        one(Section::FactoryBlock, s.factoryBlock.own),
        one(Section::PttId, s.pttId),
        one(Section::Dos, s.dos),
        one(Section::Atis, s.atis),
        many(Section::AlertTones, recordsOf(s.alertTones)),
        one(Section::Password, s.password),
        many(Section::Channels, recordsOf(s.channels)),
        many(Section::Personalities, recordsOf(s.personalities)),
        many(Section::TwoToneSystems, recordsOf(s.twoToneSystems)),
        many(Section::TwoToneCalls, recordsOf(s.twoToneCalls)),
        many(Section::ScanList, recordsOf(s.scanLists)),
        one(Section::TestFreq, s.testFreq),
        one(Section::EmbeddedMessage, s.embeddedMessage),
        one(Section::TuneData, s.tuneData),
    };
}
