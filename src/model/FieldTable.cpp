#include "model/FieldTable.h"

#include "model/Bcd.h"

#include <cstdio>

std::size_t fieldWidth(const FieldDesc& field)
{
    switch (field.kind) {
    case FieldKind::Bits:
    case FieldKind::U8: return 1;
    case FieldKind::U16:
    case FieldKind::U16BE:
    case FieldKind::ToneWord: return 2;
    case FieldKind::U32:
    case FieldKind::BcdFreq: return 4;
    case FieldKind::Text:
    case FieldKind::BcdDigits:
    case FieldKind::Bytes: return field.length;
    }
    return 1;
}

std::uint64_t fieldValue(const Record& record, const FieldDesc& field)
{
    switch (field.kind) {
    case FieldKind::Bits: return record.bits(field.offset, field.bitLo, field.bitCount);
    case FieldKind::U8: return record.u8(field.offset);
    case FieldKind::U16:
    case FieldKind::ToneWord: return record.u16(field.offset);
    case FieldKind::U16BE: return record.u16be(field.offset);
    case FieldKind::U32:
    case FieldKind::BcdFreq: return record.u32(field.offset);
    case FieldKind::BcdDigits: return static_cast<std::uint64_t>(record.bcd(field.offset, static_cast<int>(field.length * 2)));
    case FieldKind::Text:
    case FieldKind::Bytes: return 0;
    }
    return 0;
}

std::string fieldText(const Record& record, const FieldDesc& field)
{
    char buf[32];
    switch (field.kind) {
    case FieldKind::BcdFreq: {
        const std::uint32_t word = record.u32(field.offset);
        if (word == 0xFFFFFFFFu) return "";
        std::snprintf(buf, sizeof buf, "%.5f", static_cast<double>(Bcd::toInt(word)) * 0.00001);
        return buf;
    }
    case FieldKind::ToneWord:
        std::snprintf(buf, sizeof buf, "0x%04X", static_cast<unsigned>(record.u16(field.offset)));
        return buf;
    case FieldKind::Text: return record.text(field.offset, field.length);
    case FieldKind::BcdDigits: {
        std::string out;
        for (std::uint8_t b : record.bytes(field.offset, field.length)) {
            std::snprintf(buf, sizeof buf, "%02X", static_cast<unsigned>(b));
            out += buf;
        }
        return out;
    }
    case FieldKind::Bytes: {
        std::string out;
        for (std::uint8_t b : record.bytes(field.offset, field.length)) {
            if (!out.empty()) out += ' ';
            std::snprintf(buf, sizeof buf, "%02X", static_cast<unsigned>(b));
            out += buf;
        }
        return out;
    }
    default: return std::to_string(fieldValue(record, field));
    }
}
