#include "model/MemoryMap.h"

namespace {

// Channel frequency and tone words.
constexpr Swap kChannelSwaps[] = {{4, 4}, {8, 4}, {12, 2}, {14, 2}};
// Personality PTT-ID primary id.
constexpr Swap kPersonalitySwaps[] = {{21, 2}};
// Scan list channel numbers: priority, third link, designated, 16 members.
constexpr Swap kScanSwaps[] = {{9, 2},  {11, 2}, {14, 2}, {24, 2}, {26, 2}, {28, 2}, {30, 2}, {32, 2}, {34, 2},
                               {36, 2}, {38, 2}, {40, 2}, {42, 2}, {44, 2}, {46, 2}, {48, 2}, {50, 2}, {52, 2},
                               {54, 2}};
// Two-tone system tone words A-D.
constexpr Swap kTwoToneSystemSwaps[] = {{16, 2}, {18, 2}, {20, 2}, {22, 2}};
constexpr Swap kMiscLowSwaps[] = {{23, 2}};
constexpr Swap kFactoryOwnSwaps[] = {{11, 4}, {15, 4}, {20, 2}};
constexpr Swap kFactorySharedSwaps[] = {{47, 2}};  // offset in the miscellaneous record
constexpr Swap kPttIdSwaps[] = {{0, 2}};
// Test frequencies: rx and tx words of the 16 tests, then the 10 point words.
constexpr Swap kTestFreqSwaps[] = {
    {0, 4},   {4, 4},   {10, 4},  {14, 4},  {20, 4},  {24, 4},  {30, 4},  {34, 4},  {40, 4},  {44, 4},
    {50, 4},  {54, 4},  {60, 4},  {64, 4},  {70, 4},  {74, 4},  {80, 4},  {84, 4},  {90, 4},  {94, 4},
    {100, 4}, {104, 4}, {110, 4}, {114, 4}, {120, 4}, {124, 4}, {130, 4}, {134, 4}, {140, 4}, {144, 4},
    {150, 4}, {154, 4}, {160, 4}, {164, 4}, {168, 4}, {172, 4}, {176, 4}, {180, 4}, {184, 4}, {188, 4},
    {192, 4}, {196, 4}};

// clang-format off
constexpr MapEntry kMap[] = {
    // section                  name                  image  length rec.start piece max marker swaps
    {Section::RadioInfo,       "radio_information",     16,   72,   0,  72,  1, -1, {}},
    {Section::Keys,            "keys",                 120,   25,   0,  25,  1, -1, {}},
    {Section::MiscLow,         "miscellaneous",        145,   36,   0,  36,  1, -1, kMiscLowSwaps},
    {Section::FactoryBlock,    "factory_settings",     181,   36,   0,  36,  1, -1, kFactoryOwnSwaps},
    {Section::MiscHigh,        "miscellaneous",        217,   37,  36,  37,  1, -1, {}},
    {Section::FactoryShared,   "factory_settings",     222,    0,  41,  32,  1, -1, kFactorySharedSwaps},
    {Section::PttId,           "ptt_id",               254,    6,   0,   6,  1, -1, kPttIdSwaps},
    {Section::Dos,             "dos",                  260,    2,   0,   2,  1, -1, {}},
    {Section::Atis,            "atis",                 262,    7,   0,   7,  1, -1, {}},
    {Section::AlertTones,      "alert_tones",          269,  144,   0,  18,  8,  3, {}},
    {Section::Password,        "password",             621,   24,   0,  24,  1, -1, {}},
    // No more than 17 channels are ever read back, so no more are written:
    // the rest of the channel area (up to 3020) stays unmapped.
    {Section::Channels,        "channels",             645,  408,   0,  24, 17, 19, kChannelSwaps},
    {Section::Personalities,   "personalities",       3021,  608,   0,  76,  8, 12, kPersonalitySwaps},
    {Section::TwoToneSystems,  "two_tone_systems",    3629,   96,   0,  24,  4,  0, kTwoToneSystemSwaps},
    {Section::TwoToneCalls,    "two_tone_calls",      3725,  192,   0,  12, 16, -1, {}},
    {Section::ScanList,        "scan_list",           4507,   56,   0,  56,  1, -1, kScanSwaps},
    {Section::TestFreq,        "test_frequencies",    4955,  205,   0, 205,  1, -1, kTestFreqSwaps},
    {Section::EmbeddedMessage, "embedded_message",    5160,  144,   0, 144,  1, -1, {}},
    {Section::TuneData,        "tune_data",           5667,  532,   0, 532,  1, -1, {}},
};
// clang-format on

constexpr Section kUnpack[] = {
    Section::Channels,     Section::TestFreq,      Section::RadioInfo,    Section::Keys,
    Section::MiscLow,      Section::MiscHigh,      Section::Atis,         Section::PttId,
    Section::Dos,          Section::Password,      Section::AlertTones,   Section::Personalities,
    Section::ScanList,     Section::EmbeddedMessage, Section::TwoToneSystems, Section::TwoToneCalls,
    Section::FactoryBlock, Section::FactoryShared, Section::TuneData,
};

constexpr Section kPack[] = {
    Section::RadioInfo,    Section::Keys,          Section::MiscLow,      Section::MiscHigh,
    Section::AlertTones,   Section::Atis,          Section::Password,     Section::PttId,
    Section::Dos,          Section::Channels,      Section::Personalities, Section::ScanList,
    Section::TestFreq,     Section::EmbeddedMessage, Section::TwoToneSystems, Section::TwoToneCalls,
    Section::FactoryBlock, Section::FactoryShared, Section::TuneData,
};

}  // namespace

std::span<const MapEntry> memoryMap() { return kMap; }

const MapEntry& mapEntry(Section section)
{
    for (const MapEntry& e : kMap)
        if (e.section == section) return e;
    return kMap[0];
}

std::span<const Section> unpackOrder() { return kUnpack; }
std::span<const Section> packOrder() { return kPack; }

bool isMapped(std::size_t offset)
{
    for (const MapEntry& e : kMap)
        if (offset >= e.image && offset < e.image + e.length) return true;
    return false;
}
