#pragma once
// The 116-byte header of a codeplug file: which radio model, frequency range
// and firmware the image belongs to. All numbers little-endian.
//
//   off size content
//     0   4  header tag 0x10104858 ("XH\x10\x10")
//     4   4  header length, 116
//     8   4  reserved (0)
//    12  16  model identifier text     28 16 model name text
//    44   2  lower range edge, MHz     46  2 upper range edge, MHz
//    48   4  reserved (0)
//    52  16  firmware version text     68 16 format version text "1.04.07"
//    84   1  band flags of the range   85  1 signalling value, low 8 bits
//    86  30  reserved (0)
// A text of 16 bytes has no terminator; a shorter one ends with a zero byte.
#include "model/ReferenceFirmware.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

struct ModelValues;

using CodeplugHeader = std::array<std::uint8_t, 116>;

namespace HeaderField {
constexpr std::size_t kTag = 0;
constexpr std::size_t kLength = 4;
constexpr std::size_t kModelId = 12;
constexpr std::size_t kModelName = 28;
constexpr std::size_t kLowMHz = 44;
constexpr std::size_t kHighMHz = 46;
constexpr std::size_t kFirmware = 52;
constexpr std::size_t kFormatVersion = 68;
constexpr std::size_t kBandFlags = 84;
constexpr std::size_t kSignal = 85;
constexpr std::size_t kTextSize = 16;
}  // namespace HeaderField

constexpr std::uint32_t kHeaderTag = 0x10104858;
constexpr const char* kFormatVersionText = kReferenceFirmware;

// The values a header carries, decoded.
struct CodeplugHeaderFields {
    std::string modelId;
    std::string modelName;
    int lowMHz = 0;
    int highMHz = 0;
    std::string firmware;
    std::string formatVersion;
    std::uint8_t bandFlags = 0;
    std::uint8_t signal = 0;

    std::string freqRange() const;  // "%d-%d" of the two edges
};

// Builds the header for the current model and the firmware version text.
// The range edges come from the model's "lo-hi" text (0 when it does not
// parse); the band flags are those of the matching range entry.
CodeplugHeader makeCodeplugHeader(const ModelValues& model, std::string_view firmware);

CodeplugHeaderFields readHeaderFields(const CodeplugHeader& header);

// True when the header's first four bytes hold the header tag.
bool hasHeaderTag(const CodeplugHeader& header);

// Compares the first four bytes of the firmware field with `version` (four
// characters such as "1.04") byte by byte as unsigned values: <0, 0, >0.
int compareFirmwarePrefix(const CodeplugHeader& header, std::string_view version);

// Copies the header's model identifier, name, range and signal into `model`
// (the band flags are not in a header that a reader may trust).
void applyHeaderToModel(const CodeplugHeader& header, ModelValues& model);
