#include "model/ChannelStep.h"

namespace {

// The four standard steps in the order they are tested, with the code
// each rule gives them.
struct Step {
    std::uint32_t units;
    std::uint8_t dialogCode;
    char gridClass;
};
constexpr Step kSteps[] = {
    {1250, StepCode::k12_5kHz, GridStep::k12_5kHz},
    {1000, StepCode::k10kHz, GridStep::k10kHz},
    {625, StepCode::k6_25kHz, GridStep::k6_25kHz},
    {500, StepCode::k5kHz, GridStep::k5kHz},
};

const Step* standardStep(std::uint32_t units)
{
    for (const Step& s : kSteps)
        if (units % s.units == 0) return &s;
    return nullptr;
}

}  // namespace

StepResult classifyDialogStep(std::uint32_t units)
{
    if (const Step* s = standardStep(units)) return {units, s->dialogCode};
    return {units - units % 1250u, StepCode::k12_5kHz};
}

StepResult classifyGridStep(std::uint32_t units)
{
    if (const Step* s = standardStep(units)) return {units, static_cast<std::uint8_t>(s->gridClass)};
    return {units - units % 250u, static_cast<std::uint8_t>(GridStep::k2_5kHz)};
}

std::uint32_t gridDisplayUnits(std::uint32_t units)
{
    return standardStep(units) ? units : units - units % 1250u;
}

std::uint8_t stepCodeOfGridClass(unsigned char gridClass)
{
    switch (gridClass) {
    case GridStep::k5kHz: return StepCode::k5kHz;
    case GridStep::k6_25kHz: return StepCode::k6_25kHz;
    case GridStep::k10kHz: return StepCode::k10kHz;
    case GridStep::kNone: return StepCode::kNone;
    default: return StepCode::k12_5kHz;
    }
}
