#pragma once
// Where each record of a section lies in the codeplug image, and which image
// bits its named fields occupy. Unlike the mapper, which rebuilds the whole
// image from the store (and so puts safe values where the radio would
// misread a record), this places records into an existing image bit for
// bit, so an image taken apart field by field can be put back exactly.
#include "model/FieldTable.h"
#include "model/MemoryMap.h"
#include "model/Section.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

using ImageBytes = std::array<std::uint8_t, Image::kSize>;

// The image offsets of a section's records, as unpacking the image finds
// them: one for a fixed section; for a list, its slots up to the end marker
// (the first slot always), for the two-tone calls the walk along their
// links.
std::vector<std::size_t> recordOffsets(Section section, const ImageBytes& image);

// The slots of a list laid out one after another, as packing writes them;
// for a fixed section its one offset. `count` beyond the section's limit is
// cut to the limit.
std::vector<std::size_t> consecutiveOffsets(Section section, std::size_t count);

// The two-tone call slots that the records' own links give (record 0 at
// the area's start, each next one where the record before points), or an
// empty list when the links do not lead through all `records`.
std::vector<std::size_t> linkedCallOffsets(std::span<const Record> records);

// Marks in `mask` the image bits that the named fields of a record of
// `section` placed at `at` occupy (every piece of the section's record,
// including a piece that another section's map entry fills).
void markFieldBits(Section section, std::size_t at, ImageBytes& mask);

// Writes the named field bits of `record` into the image at `at`, leaving
// every other bit as it is; pieces go in the order packing writes them.
void placeRecord(Section section, std::size_t at, const Record& record, ImageBytes& image);

// Reads a record of `section` from the image at `at` with every piece, as
// unpacking does (bytes no piece fills stay 0xFF).
Record takeRecord(Section section, std::size_t at, const ImageBytes& image);
