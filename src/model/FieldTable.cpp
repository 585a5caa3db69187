#include "model/FieldTable.h"

#include "model/Bcd.h"

#include <cstdio>
#include <deque>
#include <mutex>

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

namespace {

// Names made by expanding rows; a deque never moves what it holds, so the
// pointers handed out stay valid.
const char* internName(std::string name)
{
    static std::mutex lock;
    static std::deque<std::string> names;
    const std::lock_guard<std::mutex> guard(lock);
    return names.emplace_back(std::move(name)).c_str();
}

std::string rowName(const char* pattern, int number)
{
    std::string name = pattern;
    if (const auto at = name.find('%'); at != std::string::npos) name.replace(at, 1, std::to_string(number));
    return name;
}

}  // namespace

std::vector<FieldDesc> expandFields(std::span<const FieldDesc> schema)
{
    std::vector<FieldDesc> out;
    for (std::size_t first = 0; first < schema.size();) {
        std::size_t end = first + 1;
        while (end < schema.size() && schema[end].joinsRow) ++end;
        const FieldDesc& head = schema[first];
        if (head.repeat <= 1 && end == first + 1) {
            out.push_back(head);
        } else {
            for (int row = 0; row < head.repeat; ++row) {
                for (std::size_t k = first; k < end; ++k) {
                    FieldDesc f = schema[k];
                    f.name = internName(rowName(f.name, head.firstNumber + row));
                    f.offset += static_cast<std::size_t>(row) * head.stride;
                    if (f.listPerRow) f.listId += row;
                    f.repeat = 1;
                    f.firstNumber = head.firstNumber;
                    f.joinsRow = false;
                    f.index = row;
                    out.push_back(f);
                }
            }
        }
        first = end;
    }
    return out;
}

void setFieldValue(Record& record, const FieldDesc& field, std::uint64_t value)
{
    switch (field.kind) {
    case FieldKind::Bits: record.setBits(field.offset, field.bitLo, field.bitCount, static_cast<unsigned>(value)); break;
    case FieldKind::U8: record.setU8(field.offset, static_cast<std::uint8_t>(value)); break;
    case FieldKind::U16:
    case FieldKind::ToneWord: record.setU16(field.offset, static_cast<std::uint16_t>(value)); break;
    case FieldKind::U16BE: record.setU16be(field.offset, static_cast<std::uint16_t>(value)); break;
    case FieldKind::U32:
    case FieldKind::BcdFreq: record.setU32(field.offset, static_cast<std::uint32_t>(value)); break;
    case FieldKind::BcdDigits: record.setBcd(field.offset, static_cast<int>(field.length * 2), static_cast<long>(value)); break;
    case FieldKind::Text:
    case FieldKind::Bytes: break;
    }
}

void applyFactoryValues(Record& record, std::span<const FieldDesc> fields)
{
    for (const FieldDesc& f : fields) {
        if (!f.hasFactory) continue;
        switch (f.kind) {
        case FieldKind::Text:
        case FieldKind::Bytes:
        case FieldKind::BcdDigits:
            record.fillBytes(f.offset, f.length, static_cast<std::uint8_t>(f.factoryValue));
            break;
        default: {
            const std::uint64_t kept = fieldValue(record, f) & ~static_cast<std::uint64_t>(f.factoryMask);
            setFieldValue(record, f, kept | (f.factoryValue & f.factoryMask));
            break;
        }
        }
    }
}
