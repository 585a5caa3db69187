#include "app/DocumentRevision.h"

#include "model/PersonalityRecord.h"
#include "model/Record.h"
#include "model/StoreSections.h"
#include "model/TwoToneRecords.h"

namespace {

// The bytes pack writes into the records themselves (the list links, the
// system count) follow from the lists, so they are no change of the user's:
// they are left out, or every pack would look like an edit.
Record withoutPackedLinks(Section section, Record r)
{
    switch (section) {
    case Section::Personalities:
        r.setU16le(PersonalityField::Prev, 0);
        r.setU16le(PersonalityField::Next, 0);
        break;
    case Section::TwoToneCalls:
        r.setU16le(TwoToneCallField::Prev, 0);
        r.setU16le(TwoToneCallField::Next, 0);
        break;
    case Section::TwoToneSystems:
        r.setBits(TwoToneSystemField::Options, TwoToneSystemField::CountLo, TwoToneSystemField::CountBits, 0);
        break;
    default:
        break;
    }
    return r;
}

}  // namespace

std::vector<std::uint8_t> DocumentRevision::contentOf(const CCodeplugData& store)
{
    // Every record of every section, each section led by its record count,
    // so a record moved from one list to another still compares unequal.
    std::vector<std::uint8_t> out;
    out.reserve(8192);
    for (const SectionRecords& section : storeSections(store)) {
        const auto count = static_cast<std::uint32_t>(section.records.size());
        for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(count >> shift));
        for (const Record* r : section.records) {
            const Record plain = withoutPackedLinks(section.info->section, *r);
            out.insert(out.end(), plain.data(), plain.data() + plain.size());
        }
    }
    return out;
}

void DocumentRevision::markSaved(const CCodeplugData& store)
{
    content_ = contentOf(store);
    current_ = next_++;
    saved_ = current_;
}

bool DocumentRevision::noteChange(const CCodeplugData& store)
{
    std::vector<std::uint8_t> now = contentOf(store);
    if (now == content_) return false;
    content_ = std::move(now);
    current_ = next_++;
    return true;
}

void DocumentRevision::bump() { current_ = next_++; }

void DocumentRevision::absorb(const CCodeplugData& store) { content_ = contentOf(store); }

void DocumentRevision::moveTo(Number revision, const CCodeplugData& store)
{
    content_ = contentOf(store);
    current_ = revision;
}
