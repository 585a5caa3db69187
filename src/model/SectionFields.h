#pragma once
// The sections with their record sizes and field schemas, and the lookup of
// a field by section and name. Editors bind their controls through it, and
// the dump, the diff, the mapper's byte order and the factory values all
// read the same tables, so a field is described in exactly one place.
//
//   const FieldDesc* f = findField(Section::Channels, "spacing");
//   f->kind == FieldKind::Bits, f->offset == 17, f->bitLo == 0,
//   f->bitCount == 4, f->listId == 3661 (its option list)
//   findField(Section::ScanList, "member_%", 2)  -> "member_3" at 28, index 2
//
// Returned pointers and names stay valid for the life of the program.
#include "model/FieldTable.h"
#include "model/Section.h"

#include <span>
#include <string_view>

struct SectionInfo {
    Section section;
    const char* name;  // stable identifier of one record, e.g. "channel"
    std::size_t size;  // record bytes (the factory block: its own bytes)
    std::span<const FieldDesc> (*schema)();  // the declared table, rows not yet written out

    // Every field of the record once, rows written out, in record order.
    std::span<const FieldDesc> fields() const;
};

// In the order of the Section enumeration.
std::span<const SectionInfo> sectionInfos();
const SectionInfo& sectionInfo(Section section);
// By SectionInfo::name; nullptr when no section has that name.
const SectionInfo* findSection(std::string_view name);

std::span<const FieldDesc> sectionFields(Section section);

// A field by its full name ("rx_frequency", "member_3"); nullptr when the
// section has none.
const FieldDesc* findField(Section section, std::string_view name);
// A field of a repeated row by its declared name and the row (0-based):
// ("member_%", 0) is "member_1", ("test_%_rx", 0) is "test_0_rx".
const FieldDesc* findField(Section section, std::string_view pattern, int row);
