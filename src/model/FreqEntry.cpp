#include "model/FreqEntry.h"

#include "model/ChannelStep.h"
#include "model/FreqBcd.h"
#include "settings/ModelValues.h"
#include "settings/TextIds.h"

namespace {

std::uint32_t edgeUnits(long mhz)
{
    if (mhz <= 0) return 0;
    if (mhz > static_cast<long>(FreqBcd::kMaxValue / FreqBcd::kUnitsPerMHz)) return FreqBcd::kMaxValue;
    return static_cast<std::uint32_t>(mhz) * FreqBcd::kUnitsPerMHz;
}

bool isBlank(std::string_view text)
{
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

template <typename Classify>
FreqEntry readFreq(std::string_view text, const FreqBand& band, Classify classify)
{
    const BandClamp c = clampToBand(FreqBcd::parseUnits(text), band);
    const StepResult s = classify(c.units);
    return {FreqBcd::fromUnits(s.units), s.code, FreqBcd::unitsText(s.units),
            c.changed ? MsgId::kFreqOutOfBand : 0};
}

}  // namespace

FreqBand FreqBand::fromMHz(long loMHz, long hiMHz)
{
    return {edgeUnits(loMHz), edgeUnits(hiMHz)};
}

FreqBand FreqBand::of(const ModelValues& model)
{
    return fromMHz(model.lowMHz(), model.highMHz());
}

std::uint32_t FreqBand::loWord() const { return FreqBcd::fromUnits(lo); }
std::uint32_t FreqBand::hiWord() const { return FreqBcd::fromUnits(hi); }

BandClamp clampToBand(std::uint32_t units, const FreqBand& band)
{
    if (units < band.lo) return {band.lo, true};
    if (units > band.hi) return {band.hi, true};
    return {units, false};
}

std::uint32_t clampWordToBand(std::uint32_t word, const FreqBand& band)
{
    if (word == FreqBcd::kEmpty) return word;
    if (word < band.loWord()) return band.loWord();
    if (word > band.hiWord()) return band.hiWord();
    return word;
}

FreqEntry readDialogFreq(std::string_view text, const FreqBand& band, bool mayBeEmpty)
{
    if (mayBeEmpty && isBlank(text)) return {FreqBcd::kEmpty, StepCode::kNone, {}, 0};
    return readFreq(text, band, classifyDialogStep);
}

FreqEntry readGridFreq(std::string_view text, const FreqBand& band, bool mayBeEmpty)
{
    if (mayBeEmpty && isBlank(text)) return {FreqBcd::kEmpty, GridStep::kNone, {}, 0};
    return readFreq(text, band, classifyGridStep);
}
