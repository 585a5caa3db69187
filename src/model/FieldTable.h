#pragma once
// Field descriptions of the section records, kept as data: one table per
// record kind. The command-line dump, the printout, the change log and the
// diff walk these tables to name and decode every field, so a field added
// here shows up everywhere at once.
#include "model/Record.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

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

// One field of a record's schema. A record kind declares its fields once,
// in record order, and everything else is derived from that table: the
// words the mapper reverses between image and record, the field lists of
// the dump, diff and change log, the factory values and the lookup by name
// that editors bind their controls to (SectionFields.h).
//
// A row of fields that repeats (the scan members, the test-frequency rows,
// the two-tone decoders) is declared once: its first field carries
// rows(count, stride, firstNumber) and the fields after it that belong to
// the same row say inRow(). A '%' in their names stands for the row number.
struct FieldDesc {
    const char* name;      // stable identifier (snake_case), used as a JSON key
    Offset offset;         // first byte inside the record (of row 0)
    FieldKind kind;
    unsigned bitLo = 0;    // Bits: lowest bit
    unsigned bitCount = 0; // Bits: number of bits
    std::size_t length = 0;// Text, BcdDigits, Bytes: byte count
    int listId = 0;        // option list (caption text number) that names the values, 0 = none

    bool imageSwapped = false;  // the image keeps this word high byte first, the record host order

    int repeat = 1;             // number of rows (on the row's first field)
    std::size_t stride = 0;     // bytes from one row to the next
    int firstNumber = 0;        // the number that row 0 gets in the names
    bool joinsRow = false;      // repeats with the row of the field before it
    bool listPerRow = false;    // the option list number grows by one from row to row
    int index = -1;             // in an expanded table: the row (0-based), -1 when not repeated

    bool hasFactory = false;         // a factory record sets this field
    std::uint32_t factoryValue = 0;  // numbers: the value; Text, Bytes, BcdDigits: the fill byte
    std::uint32_t factoryMask = 0xFFFFFFFFu;  // value bits the factory sets; the others keep

    // The image holds the word most significant byte first.
    constexpr FieldDesc swapped() const { FieldDesc f = *this; f.imageSwapped = true; return f; }
    constexpr FieldDesc rows(int count, std::size_t step, int first) const
    {
        FieldDesc f = *this;
        f.repeat = count;
        f.stride = step;
        f.firstNumber = first;
        return f;
    }
    constexpr FieldDesc inRow() const { FieldDesc f = *this; f.joinsRow = true; return f; }
    constexpr FieldDesc listStepsPerRow() const { FieldDesc f = *this; f.listPerRow = true; return f; }
    // The factory value; with a mask only those bits of the value are set
    // and a record's other bits stay as they were.
    constexpr FieldDesc factory(std::uint32_t value, std::uint32_t mask = 0xFFFFFFFFu) const
    {
        FieldDesc f = *this;
        f.hasFactory = true;
        f.factoryValue = value;
        f.factoryMask = mask;
        return f;
    }
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

// The schema with its rows written out, row by row: every field once at
// its own offset, '%' replaced by the row number, index set. The names live
// as long as the program.
std::vector<FieldDesc> expandFields(std::span<const FieldDesc> schema);

// Writes the factory values of the (expanded) fields into the record.
void applyFactoryValues(Record& record, std::span<const FieldDesc> fields);

// Sets a numeric field (Bits, U8, U16, U16BE, U32, BcdFreq, ToneWord);
// bits beyond the field's width are dropped.
void setFieldValue(Record& record, const FieldDesc& field, std::uint64_t value);

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
