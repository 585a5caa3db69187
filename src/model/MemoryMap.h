#pragma once
// The memory map of the 8192-byte codeplug image: which bytes belong to
// which section, at what record size and count, and which byte ends a list.
// The words the image keeps high byte first come from the sections' field
// schemas. Unpack and pack walk this one table (in the orders of
// unpackOrder and packOrder); the few sections with rules of their own (the
// linked lists, the factory block's shared bytes) are handled by name in
// the mapper.
//
// Two sections come in two pieces: the miscellaneous record (image 145-180
// and 217-253) and the factory settings block (its own image 181-216, and
// image 222-253 again, which the record copy keeps in miscellaneous record
// bytes 41-72).
#include "model/RadioInfoRecord.h"
#include "model/Record.h"
#include "model/Section.h"

#include <cstdint>
#include <span>

namespace Image {
constexpr std::size_t kSize = 8192;
// The sections other layers address by their image place.
constexpr Offset kRadioInfo = 16;
constexpr Offset kDos = 260;
// The programming stamp, inside the radio information section; a write
// sends it last.
constexpr Offset kStamp = kRadioInfo + RadioInfoField::Stamp;
constexpr std::size_t kStampLength = std::tuple_size_v<ProgrammingStamp>;
}  // namespace Image

// How many records each list area of the image holds.
namespace ImageSlots {
constexpr int kChannels = 17;
constexpr int kPersonalities = 8;
constexpr int kScanLists = 1;
constexpr int kAlertTones = 8;
constexpr int kTwoToneSystems = 4;
constexpr int kTwoToneCalls = 16;
}  // namespace ImageSlots

// A word the image keeps most significant byte first; its offset is in the
// record, so the mapper reverses it on the way in and out.
struct Swap {
    Offset at;
    std::uint8_t width;  // 2 or 4
};

struct MapEntry {
    Section section;
    int piece;               // 0, or 1 for the second piece of a section
    const char* name;
    Offset image;            // first image byte of the section (slot 0 of a list)
    std::size_t length;      // bytes of the image area the section owns
    Offset recordStart;      // first record byte that the piece fills
    std::size_t pieceLength; // bytes copied per record (or per piece)
    int maxRecords;          // 1 for fixed sections; the most a list reads or writes
    int endMarker;           // record byte whose 0xFF ends the list; -1 = none
    Section recordOf;        // whose record the piece fills (the factory block's shared piece: Misc)
    bool swapsWords;         // false: the bytes are copied as they are
    std::span<const Swap> swaps;  // the schema's high-byte-first words inside the piece
};

// One step of the conversions: a section's piece.
struct MapPiece {
    Section section;
    int piece;
};

std::span<const MapEntry> memoryMap();
const MapEntry& mapEntry(Section section, int piece = 0);

// The order of the conversion steps.
std::span<const MapPiece> unpackOrder();
std::span<const MapPiece> packOrder();

// True when some section owns image byte `offset`.
bool isMapped(std::size_t offset);
