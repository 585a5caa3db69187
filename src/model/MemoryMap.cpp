#include "model/MemoryMap.h"

#include "model/SectionFields.h"

#include <array>
#include <vector>

namespace {

// Where the image keeps each section. A row names the image place, how many
// records a list area holds and which field of the record ends the list;
// the record size, the area's length, the end marker's offset and the swap
// list come from the record's schema. A row that holds only part of a
// record says which bytes (the two pieces of Misc and of the factory block).
struct Layout {
    Section section;
    int piece;
    const char* name;
    Offset image;
    int slots;                     // records the area holds (1: a fixed section)
    const char* endField;          // schema field whose 0xFF ends the list; nullptr: none
    Section recordOf;              // whose record the piece fills
    bool swapsWords = true;        // false: the bytes are copied as they are
    Offset recordStart = 0;        // a part of the record: its first byte
    std::size_t partLength = 0;    // a part of the record: bytes copied; 0: the whole record
    std::size_t ownedLength = 0;   // a part: image bytes the section owns (0 for a repeat)
};

constexpr Layout whole(Section s, const char* name, Offset image) { return {s, 0, name, image, 1, nullptr, s}; }
constexpr Layout list(Section s, const char* name, Offset image, int slots, const char* endField)
{
    return {s, 0, name, image, slots, endField, s};
}

// clang-format off
constexpr Layout kLayout[] = {
    whole(Section::RadioInfo,       "radio_information", Image::kRadioInfo),
    whole(Section::Keys,            "keys",              120),
    {Section::Misc,         0, "miscellaneous",    145, 1, nullptr, Section::Misc, true, 0, 36, 36},
    whole(Section::FactoryBlock,    "factory_settings",  181),
    // Copied as they are: the block's piece below reads 222-253 again with
    // the word at 228 in host order.
    {Section::Misc,         1, "miscellaneous",    217, 1, nullptr, Section::Misc, false, 36, 37, 37},
    {Section::FactoryBlock, 1, "factory_settings", 222, 1, nullptr, Section::Misc, true, 41, 32, 0},
    whole(Section::PttId,           "ptt_id",            254),
    whole(Section::Dos,             "dos",               Image::kDos),
    whole(Section::Atis,            "atis",              262),
    list(Section::AlertTones,       "alert_tones",       269, ImageSlots::kAlertTones, "tone_1_duration"),
    whole(Section::Password,        "password",          621),
    // No more than 17 channels are ever read back, so no more are written:
    // the rest of the channel area (up to 3020) stays unmapped.
    list(Section::Channels,         "channels",          645, ImageSlots::kChannels, "scan_list"),
    list(Section::Personalities,    "personalities",    3021, ImageSlots::kPersonalities, "tx_admit"),
    list(Section::TwoToneSystems,   "two_tone_systems", 3629, ImageSlots::kTwoToneSystems, "pretime"),
    list(Section::TwoToneCalls,     "two_tone_calls",   3725, ImageSlots::kTwoToneCalls, nullptr),
    list(Section::ScanList,         "scan_list",        4507, ImageSlots::kScanLists, nullptr),
    whole(Section::TestFreq,        "test_frequencies", 4955),
    whole(Section::EmbeddedMessage, "embedded_message", 5160),
    whole(Section::TuneData,        "tune_data",        5667),
};
// clang-format on

constexpr MapPiece kUnpack[] = {
    {Section::Channels, 0},       {Section::TestFreq, 0},       {Section::RadioInfo, 0},
    {Section::Keys, 0},           {Section::Misc, 0},           {Section::Misc, 1},
    {Section::Atis, 0},           {Section::PttId, 0},          {Section::Dos, 0},
    {Section::Password, 0},       {Section::AlertTones, 0},     {Section::Personalities, 0},
    {Section::ScanList, 0},       {Section::EmbeddedMessage, 0}, {Section::TwoToneSystems, 0},
    {Section::TwoToneCalls, 0},   {Section::FactoryBlock, 0},   {Section::FactoryBlock, 1},
    {Section::TuneData, 0},
};

constexpr MapPiece kPack[] = {
    {Section::RadioInfo, 0},      {Section::Keys, 0},           {Section::Misc, 0},
    {Section::Misc, 1},           {Section::AlertTones, 0},     {Section::Atis, 0},
    {Section::Password, 0},       {Section::PttId, 0},          {Section::Dos, 0},
    {Section::Channels, 0},       {Section::Personalities, 0},  {Section::ScanList, 0},
    {Section::TestFreq, 0},       {Section::EmbeddedMessage, 0}, {Section::TwoToneSystems, 0},
    {Section::TwoToneCalls, 0},   {Section::FactoryBlock, 0},   {Section::FactoryBlock, 1},
    {Section::TuneData, 0},
};

// The map with sizes, end markers and swap lists taken from the records'
// schemas: the swaps are the words marked high byte first that lie inside
// the piece.
struct DerivedMap {
    std::array<std::vector<Swap>, std::size(kLayout)> swaps;
    std::array<MapEntry, std::size(kLayout)> entries;

    DerivedMap()
    {
        for (std::size_t i = 0; i < std::size(kLayout); ++i) {
            const Layout& l = kLayout[i];
            const std::size_t size = sectionInfo(l.section).size;
            const std::size_t part = l.partLength ? l.partLength : size;
            const FieldDesc* marker = l.endField ? findField(l.section, l.endField) : nullptr;
            MapEntry& e = entries[i];
            e = {l.section, l.piece, l.name, l.image,
                 l.partLength ? l.ownedLength : size * static_cast<std::size_t>(l.slots),
                 l.recordStart, part, l.slots, marker ? static_cast<int>(marker->offset) : -1,
                 l.recordOf, l.swapsWords, {}};
            if (e.swapsWords) {
                for (const FieldDesc& f : sectionFields(e.recordOf)) {
                    if (!f.imageSwapped) continue;
                    if (f.offset >= e.recordStart && f.offset + fieldWidth(f) <= e.recordStart + e.pieceLength)
                        swaps[i].push_back({f.offset, static_cast<std::uint8_t>(fieldWidth(f))});
                }
            }
            e.swaps = swaps[i];
        }
    }
};

const DerivedMap& derived()
{
    static const DerivedMap map;
    return map;
}

}  // namespace

std::span<const MapEntry> memoryMap() { return derived().entries; }

const MapEntry& mapEntry(Section section, int piece)
{
    for (const MapEntry& e : memoryMap())
        if (e.section == section && e.piece == piece) return e;
    return memoryMap()[0];
}

std::span<const MapPiece> unpackOrder() { return kUnpack; }
std::span<const MapPiece> packOrder() { return kPack; }

bool isMapped(std::size_t offset)
{
    for (const MapEntry& e : memoryMap())
        if (offset >= e.image && offset < e.image + e.length) return true;
    return false;
}
