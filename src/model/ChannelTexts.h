#pragma once
// The channel record as the texts and numbers its editors show: what the
// channel pages, the channel grid, the printout and the command line
// exchange with a record, so all of them convert the same way.
//
// Option texts come from the language file's lists: spacing 3661, power
// 3663, receive tone type 3668, transmit tone type 3677.
#include "model/Record.h"
#include "settings/ListDefinition.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>
#include <string>
#include <vector>

struct FreqBand;

namespace ChannelLists {
constexpr int kSpacing = 3661;
constexpr int kPower = 3663;
constexpr int kRxType = 3668;
constexpr int kTxType = 3677;
}  // namespace ChannelLists

struct ChannelTexts {
    std::uint32_t rxFreq = 0xFFFFFFFFu;  // BCD frequency words, all ones = empty
    std::uint32_t txFreq = 0xFFFFFFFFu;
    std::string rxCtcss, rxCdcss, rxType;
    std::string txCtcss, txCdcss, txType;
    std::uint8_t rxStep = 15;  // step codes; 15 goes with an empty frequency
    std::uint8_t txStep = 15;
    std::string spacing, power;
    int personality = 0;  // byte 18: 0-based personality index
    int scanList = 0;     // byte 19: 1-based scan list number, 0 = none
    std::array<int, 8> flags20{};  // the bits of byte 20 (6 auto start scan, 7 ATIS)
    std::array<int, 3> flags21{};  // the three low bits of byte 21
};

// The items of an option list by its number.
using OptionItems = std::function<std::vector<ListItem>(int listId)>;

ChannelTexts channelToTexts(const Record& record, const OptionItems& items);

// Writes the texts back: spacing and power, the tone types, the
// frequencies clamped to the band (an empty receive frequency empties the
// transmit one too), the tone values from the box of each type, then the
// step codes. An option text that is not in its list stores all ones in its
// bits. Bytes 18 to 23 are left alone: the personality, scan list and flags
// are written by their own controls. True when a frequency was clamped.
bool channelFromTexts(Record& record, const ChannelTexts& texts, const OptionItems& items, const FreqBand& band);

// What a channel must hold whatever edited it: frequencies within the band
// (the empty word stays empty), no transmit frequency without a receive
// one, and step nibble 15 beside an empty frequency. True when a
// frequency was clamped.
bool normaliseChannel(Record& record, const FreqBand& band);

// Whether a typed or pasted cell text can be read as what it claims to be:
// a frequency in MHz (digits with at most one decimal point), a CTCSS tone
// in Hz (likewise) or a CDCSS code (one to three octal digits). Surrounding
// blanks are ignored; an empty text is none of them.
bool isFrequencyText(std::string_view text);
bool isCtcssText(std::string_view text);
bool isCdcssText(std::string_view text);
