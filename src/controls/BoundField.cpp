#include "controls/BoundField.h"

const BoundField* findBoundField(Section kind, std::string_view name)
{
    for (const FieldDesc& f : sectionFields(kind))
        if (name == f.name) return &f;
    return nullptr;
}

bool isNumericField(const BoundField& f)
{
    switch (f.kind) {
    case FieldKind::Bits:
    case FieldKind::U8:
    case FieldKind::U16:
    case FieldKind::U16BE:
    case FieldKind::U32:
    case FieldKind::BcdFreq:
    case FieldKind::ToneWord: return true;
    default: return false;
    }
}

std::uint32_t readField(const Record& record, const BoundField& field)
{
    return static_cast<std::uint32_t>(fieldValue(record, field));
}

void writeField(Record& r, const BoundField& f, std::uint32_t value)
{
    switch (f.kind) {
    case FieldKind::Bits: r.setBits(f.offset, f.bitLo, f.bitCount, value); break;
    case FieldKind::U8: r.setU8(f.offset, static_cast<std::uint8_t>(value)); break;
    case FieldKind::U16:
    case FieldKind::ToneWord: r.setU16(f.offset, static_cast<std::uint16_t>(value)); break;
    case FieldKind::U16BE: r.setU16be(f.offset, static_cast<std::uint16_t>(value)); break;
    case FieldKind::U32:
    case FieldKind::BcdFreq: r.setU32(f.offset, value); break;
    default: break;   // not a number: nothing to write
    }
}
