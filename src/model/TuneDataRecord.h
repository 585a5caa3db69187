#pragma once
// Tune-data record, 532 bytes: 16-bit tuning register values, each held
// most significant byte first (the record is copied unchanged to the image).
// Which register lives at which offset is kTuneRegisters.
#include "model/FieldTable.h"
#include "model/Record.h"

#include <cstdint>
#include <span>

namespace TuneDataField {
constexpr std::size_t kSize = 532;
}  // namespace TuneDataField

struct TuneRegister {
    std::uint16_t reg;
    std::uint16_t offset;
};

// The register-to-offset table of the radio's tuning registers.
std::span<const TuneRegister> tuneRegisters();

// Offset of a register's value; a register not in the table maps to 0.
std::uint16_t tuneDataOffset(std::uint16_t reg);

// All 0xFF, then the factory words; words without one stay FF FF.
void loadTuneDataFactoryValues(Record& tune);

std::span<const FieldDesc> tuneDataSchema();
