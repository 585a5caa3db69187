#include "model/ImageByteOwner.h"

#include "model/MemoryMap.h"
#include "model/SectionFields.h"

std::optional<ImageByteOwner> imageByteOwner(std::size_t offset)
{
    for (const MapEntry& e : memoryMap()) {
        if (offset < e.image || offset >= e.image + e.length || e.pieceLength == 0) continue;
        const std::size_t rel = offset - e.image;
        const int slot = static_cast<int>(rel / e.pieceLength);
        if (slot >= e.maxRecords) continue;
        ImageByteOwner owner{e.recordOf, slot, e.maxRecords > 1, e.recordStart + rel % e.pieceLength, {}};
        for (const FieldDesc& f : sectionFields(owner.section)) {
            if (owner.recordByte >= f.offset && owner.recordByte < f.offset + fieldWidth(f))
                owner.fields.emplace_back(f.name);
        }
        return owner;
    }
    return std::nullopt;
}

std::string imageByteText(std::size_t offset)
{
    const auto owner = imageByteOwner(offset);
    if (!owner) return {};
    std::string text = sectionInfo(owner->section).name;
    if (owner->list) text += " " + std::to_string(owner->record + 1);
    text += ", ";
    if (owner->fields.empty()) return text + "byte " + std::to_string(owner->recordByte);
    for (std::size_t i = 0; i < owner->fields.size(); ++i) text += (i ? " / " : "") + owner->fields[i];
    return text;
}
