#pragma once
// Field descriptions of the section records, kept as data: one table per
// record kind. The command-line dump, the printout, the change log and the
// diff walk these tables to name and decode every field, so a field added
// here shows up everywhere at once.
#include "model/Record.h"

#include <cstdint>
#include <span>
#include <string>

enum class FieldKind {
    Bits,       // bitCount bits from bitLo of the byte at offset
    U8,         // one byte
    U16,        // 16-bit number held in host order in the record
    U16BE,      // 16-bit number held most significant byte first in the record
    U32,        // 32-bit number held in host order in the record
    BcdFreq,    // 32-bit frequency word (eight BCD digits, 10 Hz units), host order
    ToneWord,   // 16-bit squelch tone word, host order
    Text,       // `length` bytes of text
    BcdDigits,  // `length` bytes of packed BCD digits, first digit in the high nibble
    Bytes,      // `length` raw bytes
};

struct FieldDesc {
    const char* name;      // stable identifier (snake_case), used as a JSON key
    Offset offset;         // first byte inside the record
    FieldKind kind;
    unsigned bitLo = 0;    // Bits: lowest bit
    unsigned bitCount = 0; // Bits: number of bits
    std::size_t length = 0;// Text, BcdDigits, Bytes: byte count
    int listId = 0;        // option list (caption text number) that names the values, 0 = none
};

// Convenience builders so the tables read as one line per field.
constexpr FieldDesc fBits(const char* n, Offset o, unsigned lo, unsigned count, int list = 0)
{
    return FieldDesc{n, o, FieldKind::Bits, lo, count, 0, list};
}
constexpr FieldDesc fU8(const char* n, Offset o, int list = 0) { return FieldDesc{n, o, FieldKind::U8, 0, 0, 0, list}; }
constexpr FieldDesc fU16(const char* n, Offset o) { return FieldDesc{n, o, FieldKind::U16, 0, 0, 0, 0}; }
constexpr FieldDesc fU16be(const char* n, Offset o) { return FieldDesc{n, o, FieldKind::U16BE, 0, 0, 0, 0}; }
constexpr FieldDesc fU32(const char* n, Offset o) { return FieldDesc{n, o, FieldKind::U32, 0, 0, 0, 0}; }
constexpr FieldDesc fFreq(const char* n, Offset o) { return FieldDesc{n, o, FieldKind::BcdFreq, 0, 0, 0, 0}; }
constexpr FieldDesc fTone(const char* n, Offset o, int list = 0)
{
    return FieldDesc{n, o, FieldKind::ToneWord, 0, 0, 0, list};
}
constexpr FieldDesc fText(const char* n, Offset o, std::size_t len) { return FieldDesc{n, o, FieldKind::Text, 0, 0, len, 0}; }
constexpr FieldDesc fDigits(const char* n, Offset o, std::size_t len)
{
    return FieldDesc{n, o, FieldKind::BcdDigits, 0, 0, len, 0};
}
constexpr FieldDesc fBytes(const char* n, Offset o, std::size_t len) { return FieldDesc{n, o, FieldKind::Bytes, 0, 0, len, 0}; }

// Width of a field in bytes (1 for bit fields).
std::size_t fieldWidth(const FieldDesc& field);

// The raw numeric value of a field (bits, u8, u16, u32, frequency and tone
// words; for BcdDigits the decimal number the digits spell). Text and Bytes
// fields give 0.
std::uint64_t fieldValue(const Record& record, const FieldDesc& field);

// A plain text form: numbers in decimal, frequency words as "%.5f" MHz
// (empty for no frequency), tone words as hexadecimal, digits as written,
// text as stored, bytes as hexadecimal pairs.
std::string fieldText(const Record& record, const FieldDesc& field);
