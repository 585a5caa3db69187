#include "model/CCodeplugMapper.h"

#include "model/CCodeplugData.h"
#include "model/MemoryMap.h"

#include <algorithm>

namespace {

using Bytes = CCodeplugData::Image;

void swapWords(Record& r, const MapEntry& e)
{
    for (const Swap& s : e.swaps) {
        if (s.width == 4) r.swap32(s.at);
        else r.swap16(s.at);
    }
}

// Copies one piece of the image into the record and puts the words the
// image keeps high byte first into host order.
void readPiece(const Bytes& image, std::size_t at, Record& r, const MapEntry& e)
{
    r.setBytes(e.recordStart, std::span<const std::uint8_t>(image).subspan(at, e.pieceLength));
    swapWords(r, e);
}

// The reverse, from a copy so the record keeps host order.
void writePiece(Bytes& image, std::size_t at, const Record& r, const MapEntry& e)
{
    Record copy = r;
    swapWords(copy, e);
    const auto piece = copy.bytes(e.recordStart, e.pieceLength);
    std::copy(piece.begin(), piece.end(), image.begin() + static_cast<std::ptrdiff_t>(at));
}

Record slotRecord(const Bytes& image, std::size_t at, const MapEntry& e)
{
    Record r(e.pieceLength, 0xFF);
    readPiece(image, at, r, e);
    return r;
}

// A list stored as consecutive records: the first slot is always read; a
// later slot whose end-marker byte is 0xFF ends the list.
template <class Append>
void readList(const Bytes& image, const MapEntry& e, Append append)
{
    for (int k = 0; k < e.maxRecords; ++k) {
        const std::size_t at = e.image + static_cast<std::size_t>(k) * e.pieceLength;
        if (k > 0 && e.endMarker >= 0 && image[at + static_cast<std::size_t>(e.endMarker)] == 0xFF) break;
        append(slotRecord(image, at, e));
    }
}

// Reads the area's records into their list through the store, which gives
// each its id.
template <class Item>
void readInto(const Bytes& image, const MapEntry& e, CCodeplugData& store, Item* (CCodeplugData::*append)(const Record&))
{
    readList(image, e, [&](const Record& r) { (store.*append)(r); });
}

template <class Item>
void writeList(Bytes& image, const MapEntry& e, const RecordList<Item>& list)
{
    const std::size_t n = std::min(list.size(), static_cast<std::size_t>(e.maxRecords));
    for (std::size_t i = 0; i < n; ++i) writePiece(image, e.image + i * e.pieceLength, list[i].record, e);
}

// Two-tone calls form a linked list through their next offsets. The walk
// stops when the link leaves the call area or returns to its start, and
// after as many records as the area has slots, so a looping chain in a
// damaged image cannot hold it forever.
void readTwoToneCalls(const Bytes& image, CCodeplugData& store)
{
    const MapEntry& e = mapEntry(Section::TwoToneCalls);
    const std::size_t areaEnd = e.image + e.length;
    std::size_t at = e.image;
    for (int k = 0; k < e.maxRecords; ++k) {
        const Record r = slotRecord(image, at, e);
        store.appendTwoToneCall(r);
        const std::size_t next = r.u16le(TwoToneCallField::Next);
        if (next < e.image || next >= areaEnd || next == e.image) break;
        at = next;
    }
}

// Image address of slot i of a list area.
std::uint16_t slotAddress(const MapEntry& e, std::size_t i)
{
    return static_cast<std::uint16_t>(e.image + i * e.pieceLength);
}

// The records of a linked list that go into the image (no more than its
// slots), joined into a ring: each names the image addresses of the record
// before and after it, the last leading back to the first.
template <class Item>
std::size_t linkRing(RecordList<Item>& list, const MapEntry& e, Offset prev, Offset next)
{
    const std::size_t n = std::min(list.size(), static_cast<std::size_t>(e.maxRecords));
    for (std::size_t i = 0; i < n; ++i) {
        list[i].record.setU16le(prev, slotAddress(e, i == 0 ? n - 1 : i - 1));
        list[i].record.setU16le(next, slotAddress(e, i + 1 == n ? 0 : i + 1));
    }
    return n;
}

void packPersonalities(Bytes& image, CCodeplugData& store)
{
    using namespace PersonalityField;
    const MapEntry& e = mapEntry(Section::Personalities);
    const std::size_t n = linkRing(store.personalities, e, Prev, Next);
    for (std::size_t i = 0; i < n; ++i) {
        Record& rec = store.personalities[i].record;

        // The image copy gets safe values where the radio would misread the
        // record; the record itself keeps what the user set.
        Record copy = rec;
        swapWords(copy, e);
        if (copy.u8(PttIdType) > 3) {
            copy.setU16be(PttIdPrimary, 1);
            copy.setU8(PttIdType, 0);
            copy.setBit(PttIdOptions, ShortBeepOffBit, false);
            copy.setBit(PttIdOptions, SideToneOffBit, true);
            copy.setU8(PttIdPreTime, 25);
            copy.setU8(PreambleBitSync, 5);
        }
        // The radio takes its PTT-ID settings from the first personality.
        if (i == 0) {
            const auto ptt = copy.bytes(PttIdBlock, kPttIdBlockSize);
            std::copy(ptt.begin(), ptt.end(), image.begin() + static_cast<std::ptrdiff_t>(mapEntry(Section::PttId).image));
        }
        const std::uint8_t admit = copy.u8(TxAdmit);
        if (admit > 4 || admit == 3) copy.setU8(TxAdmit, 1);
        const auto bytes = copy.bytes(0, e.pieceLength);
        std::copy(bytes.begin(), bytes.end(), image.begin() + slotAddress(e, i));
    }
}

void packTwoToneSystems(Bytes& image, CCodeplugData& store)
{
    using namespace TwoToneSystemField;
    const MapEntry& e = mapEntry(Section::TwoToneSystems);
    const std::size_t n = std::min(store.twoToneSystems.size(), static_cast<std::size_t>(e.maxRecords));
    for (std::size_t i = 0; i < n; ++i) {
        Record& rec = store.twoToneSystems[i].record;
        rec.setBits(Options, CountLo, CountBits, static_cast<unsigned>((n - 1) % 4));
        Record copy = rec;
        if (!isTwoToneSystemValid(copy)) applyTwoToneSystemFactoryTiming(copy);
        writePiece(image, e.image + i * e.pieceLength, copy, e);
    }
}

void packTwoToneCalls(Bytes& image, CCodeplugData& store)
{
    using namespace TwoToneCallField;
    const MapEntry& e = mapEntry(Section::TwoToneCalls);
    const std::size_t n = linkRing(store.twoToneCalls, e, Prev, Next);
    for (std::size_t i = 0; i < n; ++i) writePiece(image, slotAddress(e, i), store.twoToneCalls[i].record, e);
}

Record* fixedRecord(CCodeplugData& store, Section s)
{
    switch (s) {
    case Section::RadioInfo: return &store.radioInfo;
    case Section::Keys: return &store.keys;
    case Section::Misc: return &store.misc;
    case Section::FactoryBlock: return &store.factoryBlock.own;
    case Section::PttId: return &store.pttId;
    case Section::Dos: return &store.dos;
    case Section::Atis: return &store.atis;
    case Section::Password: return &store.password;
    case Section::TestFreq: return &store.testFreq;
    case Section::EmbeddedMessage: return &store.embeddedMessage;
    case Section::TuneData: return &store.tuneData;
    default: return nullptr;
    }
}

}  // namespace

void CCodeplugMapper::unpack(CCodeplugData& store) const
{
    const Bytes& image = store.image();
    store.clearLists();
    for (const MapPiece& p : unpackOrder()) {
        const MapEntry& e = mapEntry(p.section, p.piece);
        if (p.section == Section::FactoryBlock && p.piece == 1) {
            // The block's view of image 222-253 lands in the miscellaneous
            // record a second time, now with the word at 228 in host order.
            store.factoryBlock.misc = &store.misc;
            store.factoryBlock.radioInfo = &store.radioInfo;
            readPiece(image, e.image, store.misc, e);
            continue;
        }
        switch (p.section) {
        case Section::Channels: readInto(image, e, store, &CCodeplugData::appendChannel); break;
        case Section::AlertTones: readInto(image, e, store, &CCodeplugData::appendAlertTone); break;
        case Section::Personalities: readInto(image, e, store, &CCodeplugData::appendPersonality); break;
        case Section::ScanList: readInto(image, e, store, &CCodeplugData::appendScanList); break;
        case Section::TwoToneSystems: readInto(image, e, store, &CCodeplugData::appendTwoToneSystem); break;
        case Section::TwoToneCalls: readTwoToneCalls(image, store); break;
        default:
            readPiece(image, e.image, *fixedRecord(store, e.recordOf), e);
            break;
        }
    }
    resolveLinks(store);
}

void CCodeplugMapper::pack(CCodeplugData& store) const
{
    Bytes& image = store.image();
    image.fill(0xFF);
    for (const MapPiece& p : packOrder()) {
        const MapEntry& e = mapEntry(p.section, p.piece);
        switch (p.section) {
        case Section::Channels: writeList(image, e, store.channels); break;
        case Section::AlertTones: writeList(image, e, store.alertTones); break;
        case Section::ScanList: writeList(image, e, store.scanLists); break;
        case Section::Personalities: packPersonalities(image, store); break;
        case Section::TwoToneSystems: packTwoToneSystems(image, store); break;
        case Section::TwoToneCalls: packTwoToneCalls(image, store); break;
        default: writePiece(image, e.image, *fixedRecord(store, e.recordOf), e); break;
        }
    }
}

void CCodeplugMapper::unpackRadioInfo(CCodeplugData& store) const
{
    const MapEntry& e = mapEntry(Section::RadioInfo);
    readPiece(store.image(), e.image, store.radioInfo, e);
}

void CCodeplugMapper::resolveLinks(CCodeplugData& store) const
{
    // A number that names no record gives no link (id 0).
    auto channelAt = [&](unsigned number) {  // 1-based
        return number >= 1 && number <= store.channels.size() ? store.channels[number - 1].id : 0;
    };
    for (ChannelItem& ch : store.channels) {
        const unsigned p = ch.record.u8(ChannelField::Personality);
        ch.personalityId = p < store.personalities.size() ? store.personalities[p].id : 0;
        const unsigned s = ch.record.u8(ChannelField::ScanList);
        ch.scanListId = s >= 1 && s <= store.scanLists.size() ? store.scanLists[s - 1].id : 0;
    }
    for (ScanItem& scan : store.scanLists) {
        scan.designatedId = channelAt(scan.record.u16(ScanField::DesignatedChannel));
        scan.priorityId = channelAt(scan.record.u16(ScanField::PriorityChannel));
        scan.thirdId = channelAt(scan.record.u16(ScanField::ThirdChannel));
        for (int k = 0; k < ScanField::kMemberCount; ++k)
            scan.memberIds[static_cast<std::size_t>(k)] = channelAt(scan.record.u16(ScanField::member(k)));
    }
    for (TwoToneCallItem& call : store.twoToneCalls) {
        const unsigned s = call.record.bits(TwoToneCallField::Options, 0, 2);
        call.systemId = s < store.twoToneSystems.size() ? store.twoToneSystems[s].id : 0;
        call.channelId = channelAt(call.record.u16le(TwoToneCallField::RevertChannel));
    }
    for (TwoToneSystemItem& sys : store.twoToneSystems) {
        for (int k = 0; k < TwoToneSystemField::kDecodeCount; ++k) {
            const unsigned a = sys.record.bits(TwoToneSystemField::decodeAlert(k), 0, 4);
            sys.alertToneIds[static_cast<std::size_t>(k)] =
                a >= 1 && a <= store.alertTones.size() ? store.alertTones[a - 1].id : 0;
        }
    }
    auto systemFor = [&](const Record& r, Offset off) {
        using namespace PersonalityField;
        if (r.bits(off, SignalTypeLo, SignalTypeBits) != kSignalTwoTone) return 0;
        const unsigned index = r.bits(off, SignalIndexLo, SignalIndexBits);
        return index < store.twoToneSystems.size() ? store.twoToneSystems[index].id : 0;
    };
    for (PersonalityItem& p : store.personalities) {
        p.rxSystemId = systemFor(p.record, PersonalityField::RxSignal);
        p.txSystemId = systemFor(p.record, PersonalityField::TxSignal);
    }
}
