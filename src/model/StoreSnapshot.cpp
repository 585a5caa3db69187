#include "model/CCodeplugData.h"

namespace {

using Links = std::vector<int>;

Links linksOf(const ChannelItem& i) { return {i.personalityId, i.scanListId}; }
Links linksOf(const PersonalityItem& i) { return {i.rxSystemId, i.txSystemId}; }
Links linksOf(const ScanItem& i)
{
    Links out(i.memberIds.begin(), i.memberIds.end());
    out.insert(out.end(), {i.designatedId, i.priorityId, i.thirdId});
    return out;
}
Links linksOf(const AlertToneItem&) { return {}; }
Links linksOf(const TwoToneSystemItem& i) { return Links(i.alertToneIds.begin(), i.alertToneIds.end()); }
Links linksOf(const TwoToneCallItem& i) { return {i.systemId, i.channelId}; }

// The links in the order linksOf gives them; a short list leaves the rest 0.
int at(const Links& l, std::size_t i) { return i < l.size() ? l[i] : 0; }

void setLinks(ChannelItem& i, const Links& l)
{
    i.personalityId = at(l, 0);
    i.scanListId = at(l, 1);
}
void setLinks(PersonalityItem& i, const Links& l)
{
    i.rxSystemId = at(l, 0);
    i.txSystemId = at(l, 1);
}
void setLinks(ScanItem& i, const Links& l)
{
    const std::size_t n = i.memberIds.size();
    for (std::size_t k = 0; k < n; ++k) i.memberIds[k] = at(l, k);
    i.designatedId = at(l, n);
    i.priorityId = at(l, n + 1);
    i.thirdId = at(l, n + 2);
}
void setLinks(AlertToneItem&, const Links&) {}
void setLinks(TwoToneSystemItem& i, const Links& l)
{
    for (std::size_t k = 0; k < i.alertToneIds.size(); ++k) i.alertToneIds[k] = at(l, k);
}
void setLinks(TwoToneCallItem& i, const Links& l)
{
    i.systemId = at(l, 0);
    i.channelId = at(l, 1);
}

template <class Item>
std::vector<StoreSnapshot::Entry> copyOf(const RecordList<Item>& list)
{
    std::vector<StoreSnapshot::Entry> out;
    for (const Item& item : list) out.push_back({item.id, item.record, linksOf(item)});
    return out;
}

// The fixed sections, in one order for snapshot and restore.
template <class Store>
auto fixedRecords(Store& s)
{
    return std::array{&s.radioInfo, &s.keys,     &s.misc,          &s.password,        &s.atis,    &s.pttId,
                      &s.dos,       &s.testFreq, &s.embeddedMessage, &s.factoryBlock.own, &s.tuneData};
}

}  // namespace

StoreSnapshot CCodeplugData::snapshot() const
{
    StoreSnapshot snap;
    for (const Record* r : fixedRecords(*this)) snap.fixed.push_back(*r);
    snap.lists = {copyOf(channels), copyOf(personalities), copyOf(scanLists),
                  copyOf(alertTones), copyOf(twoToneSystems), copyOf(twoToneCalls)};
    return snap;
}

void CCodeplugData::restore(const StoreSnapshot& snap)
{
    std::size_t i = 0;
    for (Record* r : fixedRecords(*this)) {
        // Written in place: editors of fixed sections keep their record.
        if (i < snap.fixed.size() && snap.fixed[i].size() == r->size()) *r = snap.fixed[i];
        ++i;
    }
    // A member's lambda may use the lists' store-only operations.
    auto putBack = [](auto& list, const std::vector<StoreSnapshot::Entry>& entries) {
        list.clear();
        for (const StoreSnapshot::Entry& e : entries) setLinks(list.append(e.id, e.record), e.links);
    };
    putBack(channels, snap.lists[0]);
    putBack(personalities, snap.lists[1]);
    putBack(scanLists, snap.lists[2]);
    putBack(alertTones, snap.lists[3]);
    putBack(twoToneSystems, snap.lists[4]);
    putBack(twoToneCalls, snap.lists[5]);
}
