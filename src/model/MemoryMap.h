#pragma once
// The memory map of the 8192-byte codeplug image: which bytes belong to
// which section, at what record size and count, which words the image keeps
// high byte first, and which byte ends a list. Unpack and pack walk this one
// table (in the orders of kUnpackOrder and kPackOrder); the few sections
// with rules of their own (the linked lists, the factory block's shared
// bytes) are handled by name in the mapper.
#include "model/Record.h"

#include <cstdint>
#include <span>

namespace Image {
constexpr std::size_t kSize = 8192;
}

enum class Section {
    RadioInfo,
    Keys,
    MiscLow,        // miscellaneous record bytes 0-35
    FactoryBlock,   // the block's own 36 bytes
    MiscHigh,       // miscellaneous record bytes 36-72, copied as they are
    FactoryShared,  // miscellaneous record bytes 41-72 again, through the block
    PttId,
    Dos,
    Atis,
    AlertTones,
    Password,
    Channels,
    Personalities,
    TwoToneSystems,
    TwoToneCalls,
    ScanList,
    TestFreq,
    EmbeddedMessage,
    TuneData,
};

// A word the image keeps most significant byte first; its offset is in the
// record, so the mapper reverses it on the way in and out.
struct Swap {
    Offset at;
    std::uint8_t width;  // 2 or 4
};

struct MapEntry {
    Section section;
    const char* name;
    Offset image;            // first image byte of the section (slot 0 of a list)
    std::size_t length;      // bytes of the image area the section owns
    Offset recordStart;      // first record byte that the piece fills
    std::size_t pieceLength; // bytes copied per record (or per piece)
    int maxRecords;          // 1 for fixed sections; the most a list reads or writes
    int endMarker;           // record byte whose 0xFF ends the list; -1 = none
    std::span<const Swap> swaps;
};

std::span<const MapEntry> memoryMap();
const MapEntry& mapEntry(Section section);

// The order of the conversion steps.
std::span<const Section> unpackOrder();
std::span<const Section> packOrder();

// True when some section owns image byte `offset`.
bool isMapped(std::size_t offset);
