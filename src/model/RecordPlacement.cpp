#include "model/RecordPlacement.h"

#include "model/SectionFields.h"
#include "model/TwoToneRecords.h"

#include <algorithm>

namespace {

// The record bits each named field occupies, per record byte.
std::vector<std::uint8_t> recordFieldMask(Section section)
{
    std::vector<std::uint8_t> mask(sectionInfo(section).size, 0);
    for (const FieldDesc& f : sectionFields(section)) {
        if (f.kind == FieldKind::Bits) {
            if (f.offset < mask.size())
                mask[f.offset] |= static_cast<std::uint8_t>(((1u << f.bitCount) - 1u) << f.bitLo);
            continue;
        }
        for (std::size_t i = 0; i < fieldWidth(f) && f.offset + i < mask.size(); ++i) mask[f.offset + i] = 0xFF;
    }
    return mask;
}

const std::vector<std::uint8_t>& fieldMask(Section section)
{
    static const auto masks = [] {
        std::vector<std::vector<std::uint8_t>> all;
        for (const SectionInfo& info : sectionInfos()) all.push_back(recordFieldMask(info.section));
        return all;
    }();
    return masks.at(static_cast<std::size_t>(section));
}

// Where record byte `r` of a piece lies relative to the piece's first
// image byte: words the image keeps high byte first are reversed.
std::size_t positionInPiece(const MapEntry& e, std::size_t r)
{
    for (const Swap& s : e.swaps)
        if (r >= s.at && r < s.at + s.width) return (s.at - e.recordStart) + (s.width - 1 - (r - s.at));
    return r - e.recordStart;
}

// The pieces that fill a record of `section`, in the order given.
template <class Visit>
void forEachPiece(Section section, std::span<const MapPiece> order, std::size_t at, Visit visit)
{
    for (const MapPiece& p : order) {
        const MapEntry& e = mapEntry(p.section, p.piece);
        if (e.recordOf != section) continue;
        // A list's slot (or a fixed section's own area) for its first
        // piece; the other pieces always sit where the map puts them.
        const std::size_t pieceAt = (e.section == section && e.piece == 0) ? at : e.image;
        visit(e, pieceAt);
    }
}

}  // namespace

std::vector<std::size_t> recordOffsets(Section section, const ImageBytes& image)
{
    const MapEntry& e = mapEntry(section);
    std::vector<std::size_t> out;
    if (section == Section::TwoToneCalls) {
        // The walk of the unpacking: along the links, until one leaves the
        // call area or returns to its start, at most as many as there are slots.
        const std::size_t areaEnd = e.image + e.length;
        std::size_t at = e.image;
        for (int k = 0; k < e.maxRecords; ++k) {
            out.push_back(at);
            const std::size_t next = static_cast<std::size_t>(image[at + TwoToneCallField::Next]) |
                                     static_cast<std::size_t>(image[at + TwoToneCallField::Next + 1]) << 8;
            if (next < e.image || next >= areaEnd || next == e.image) break;
            at = next;
        }
        return out;
    }
    for (int k = 0; k < e.maxRecords; ++k) {
        const std::size_t at = e.image + static_cast<std::size_t>(k) * e.pieceLength;
        if (k > 0 && e.endMarker >= 0 && image[at + static_cast<std::size_t>(e.endMarker)] == 0xFF) break;
        out.push_back(at);
    }
    return out;
}

std::vector<std::size_t> consecutiveOffsets(Section section, std::size_t count)
{
    const MapEntry& e = mapEntry(section);
    const std::size_t n = std::min(count, static_cast<std::size_t>(e.maxRecords));
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < n; ++i) out.push_back(e.image + i * e.pieceLength);
    return out;
}

std::vector<std::size_t> linkedCallOffsets(std::span<const Record> records)
{
    const MapEntry& e = mapEntry(Section::TwoToneCalls);
    const std::size_t areaEnd = e.image + e.length;
    if (records.empty() || records.size() > static_cast<std::size_t>(e.maxRecords)) return {};
    std::vector<std::size_t> out;
    std::size_t at = e.image;
    for (std::size_t k = 0; k < records.size(); ++k) {
        out.push_back(at);
        const std::size_t next = records[k].u16le(TwoToneCallField::Next);
        const bool ends = next < e.image || next >= areaEnd || next == e.image;
        const bool last = k + 1 == records.size();
        // Read back, the chain must hold exactly these records.
        if (last) return ends || records.size() == static_cast<std::size_t>(e.maxRecords) ? out : std::vector<std::size_t>{};
        if (ends) return {};
        at = next;
    }
    return out;
}

void markFieldBits(Section section, std::size_t at, ImageBytes& mask)
{
    const auto& bits = fieldMask(section);
    forEachPiece(section, packOrder(), at, [&](const MapEntry& e, std::size_t pieceAt) {
        for (std::size_t r = e.recordStart; r < e.recordStart + e.pieceLength && r < bits.size(); ++r) {
            const std::size_t i = pieceAt + positionInPiece(e, r);
            if (i < mask.size()) mask[i] |= bits[r];
        }
    });
}

void placeRecord(Section section, std::size_t at, const Record& record, ImageBytes& image)
{
    const auto& bits = fieldMask(section);
    forEachPiece(section, packOrder(), at, [&](const MapEntry& e, std::size_t pieceAt) {
        for (std::size_t r = e.recordStart; r < e.recordStart + e.pieceLength && r < record.size(); ++r) {
            const std::size_t i = pieceAt + positionInPiece(e, r);
            if (i >= image.size()) continue;
            const std::uint8_t m = bits[r];
            image[i] = static_cast<std::uint8_t>((image[i] & ~m) | (record.data()[r] & m));
        }
    });
}

Record takeRecord(Section section, std::size_t at, const ImageBytes& image)
{
    Record record(sectionInfo(section).size, 0xFF);
    forEachPiece(section, unpackOrder(), at, [&](const MapEntry& e, std::size_t pieceAt) {
        for (std::size_t r = e.recordStart; r < e.recordStart + e.pieceLength && r < record.size(); ++r) {
            const std::size_t i = pieceAt + positionInPiece(e, r);
            if (i < image.size()) record.data()[r] = image[i];
        }
    });
    return record;
}
