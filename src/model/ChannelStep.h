#pragma once
// The channel step a frequency lies on. Two rules exist: the dialog
// editors lower an off-grid frequency to the 12.5 kHz grid, the channel
// list grid lowers it to the 2.5 kHz grid. Both test the steps in the same
// order, so a frequency on both the 12.5 kHz and the 10 kHz grid (50 kHz)
// counts as 12.5 kHz.
#include <cstdint>

// Step nibble stored beside a channel's frequencies.
namespace StepCode {
constexpr std::uint8_t k5kHz = 2;
constexpr std::uint8_t k6_25kHz = 3;
constexpr std::uint8_t k12_5kHz = 6;
constexpr std::uint8_t k10kHz = 7;
constexpr std::uint8_t kNone = 15;  // the frequency field is empty
}  // namespace StepCode

// Step class reported by the channel list grid's frequency cell.
namespace GridStep {
constexpr char k5kHz = '1';
constexpr char k6_25kHz = '2';
constexpr char k2_5kHz = '3';
constexpr char k12_5kHz = '5';
constexpr char k10kHz = '6';
constexpr unsigned char kNone = 255;  // empty text
}  // namespace GridStep

struct StepResult {
    std::uint32_t units;  // the frequency after any lowering, 10 Hz units
    std::uint8_t code;    // StepCode value, or GridStep class for the grid rule
};

// Dialog rule: 1250 -> 6, 1000 -> 7, 625 -> 3, 500 -> 2, otherwise the
// largest multiple of 1250 not above the value, code 6.
StepResult classifyDialogStep(std::uint32_t units);

// Grid rule: same order, classes '5' '6' '2' '1'; otherwise the largest
// multiple of 250 not above the value, class '3'.
StepResult classifyGridStep(std::uint32_t units);

// What the grid cell shows for a stored frequency: a number on none of the
// 12.5, 10, 6.25 and 5 kHz grids is lowered to a multiple of 1250.
std::uint32_t gridDisplayUnits(std::uint32_t units);

// The step nibble a channel stores for a grid step class. The radio knows
// no 2.5 kHz step: such a frequency is stored with the code the dialog
// editors give an off-grid frequency (12.5 kHz).
std::uint8_t stepCodeOfGridClass(unsigned char gridClass);
