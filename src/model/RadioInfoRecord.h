#pragma once
// Radio information record, 72 bytes (copied unchanged to and from the image).
//
//  0-11  model name, zero padded       12 band flags (bit 7 band family, bits 0-6 range id)
//  14    signalling value               16-23 programming stamp
//  24-27 lower band edge, BCD word in host order   28-31 upper band edge
//  32-47 model identifier (factory settings)       56-71 serial number
#include "model/FieldTable.h"
#include "model/ProgrammingStamp.h"
#include "model/Record.h"

#include <span>

struct ModelValues;

namespace RadioInfoField {
constexpr std::size_t kSize = 72;
constexpr Offset ModelName{0};
constexpr std::size_t kModelNameLength = 12;
constexpr Offset BandFlags{12};
constexpr unsigned BandFamilyBit = 7;
constexpr Offset Signal{14};
constexpr Offset Stamp{16};
constexpr Offset LowEdge{24};
constexpr Offset HighEdge{28};
constexpr Offset ModelId{32};
constexpr std::size_t kModelIdLength = 16;
constexpr Offset Serial{56};
constexpr std::size_t kSerialLength = 16;
}  // namespace RadioInfoField

// Sets the factory values for the current model: name, band flags, band
// edges, a serial number of minus signs, the stamp and the signalling value.
// Bytes the factory values do not name keep their content.
void loadRadioInfoFactoryValues(Record& radioInfo, const ModelValues& model, const ProgrammingStamp& stamp);

std::span<const FieldDesc> radioInfoSchema();
