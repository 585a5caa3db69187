#include "model/MemoryMap.h"

#include "model/SectionFields.h"

#include <array>
#include <vector>

namespace {

// clang-format off
constexpr MapEntry kMap[] = {
    // section                  piece name                image  length rec.start piece max marker  record of           swaps
    {Section::RadioInfo,       0, "radio_information",     16,   72,   0,  72,  1, -1, Section::RadioInfo,       true,  {}},
    {Section::Keys,            0, "keys",                 120,   25,   0,  25,  1, -1, Section::Keys,            true,  {}},
    {Section::Misc,            0, "miscellaneous",        145,   36,   0,  36,  1, -1, Section::Misc,            true,  {}},
    {Section::FactoryBlock,    0, "factory_settings",     181,   36,   0,  36,  1, -1, Section::FactoryBlock,    true,  {}},
    // Copied as they are: the block's piece below reads 222-253 again with
    // the word at 228 in host order.
    {Section::Misc,            1, "miscellaneous",        217,   37,  36,  37,  1, -1, Section::Misc,            false, {}},
    {Section::FactoryBlock,    1, "factory_settings",     222,    0,  41,  32,  1, -1, Section::Misc,            true,  {}},
    {Section::PttId,           0, "ptt_id",               254,    6,   0,   6,  1, -1, Section::PttId,           true,  {}},
    {Section::Dos,             0, "dos",                  260,    2,   0,   2,  1, -1, Section::Dos,             true,  {}},
    {Section::Atis,            0, "atis",                 262,    7,   0,   7,  1, -1, Section::Atis,            true,  {}},
    {Section::AlertTones,      0, "alert_tones",          269,  144,   0,  18,  8,  3, Section::AlertTones,      true,  {}},
    {Section::Password,        0, "password",             621,   24,   0,  24,  1, -1, Section::Password,        true,  {}},
    // No more than 17 channels are ever read back, so no more are written:
    // the rest of the channel area (up to 3020) stays unmapped.
    {Section::Channels,        0, "channels",             645,  408,   0,  24, 17, 19, Section::Channels,        true,  {}},
    {Section::Personalities,   0, "personalities",       3021,  608,   0,  76,  8, 12, Section::Personalities,   true,  {}},
    {Section::TwoToneSystems,  0, "two_tone_systems",    3629,   96,   0,  24,  4,  0, Section::TwoToneSystems,  true,  {}},
    {Section::TwoToneCalls,    0, "two_tone_calls",      3725,  192,   0,  12, 16, -1, Section::TwoToneCalls,    true,  {}},
    {Section::ScanList,        0, "scan_list",           4507,   56,   0,  56,  1, -1, Section::ScanList,        true,  {}},
    {Section::TestFreq,        0, "test_frequencies",    4955,  205,   0, 205,  1, -1, Section::TestFreq,        true,  {}},
    {Section::EmbeddedMessage, 0, "embedded_message",    5160,  144,   0, 144,  1, -1, Section::EmbeddedMessage, true,  {}},
    {Section::TuneData,        0, "tune_data",           5667,  532,   0, 532,  1, -1, Section::TuneData,        true,  {}},
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

// The map with each piece's swap list taken from its record's schema: the
// words marked high byte first that lie inside the piece.
struct DerivedMap {
    std::array<std::vector<Swap>, std::size(kMap)> swaps;
    std::array<MapEntry, std::size(kMap)> entries;

    DerivedMap()
    {
        for (std::size_t i = 0; i < std::size(kMap); ++i) {
            entries[i] = kMap[i];
            const MapEntry& e = kMap[i];
            if (e.swapsWords) {
                for (const FieldDesc& f : sectionFields(e.recordOf)) {
                    if (!f.imageSwapped) continue;
                    if (f.offset >= e.recordStart && f.offset + fieldWidth(f) <= e.recordStart + e.pieceLength)
                        swaps[i].push_back({f.offset, static_cast<std::uint8_t>(fieldWidth(f))});
                }
            }
            entries[i].swaps = swaps[i];
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
    for (const MapEntry& e : kMap)
        if (offset >= e.image && offset < e.image + e.length) return true;
    return false;
}
