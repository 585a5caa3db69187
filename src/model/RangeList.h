#pragma once
// The frequency ranges of the current model identifier, loaded from the
// model database. The list is never empty once loaded: a model without
// readable ranges gets the default entry (136-174 MHz, flags 0x80).
#include "model/FreqRangeEntry.h"

#include <string>
#include <string_view>
#include <vector>

class CSettingsManager;

class RangeList {
public:
    RangeList() = default;

    // Reads Freq0 .. Freq<Number-1> of `modelId` from `modelDatPath`. At the
    // first entry that cannot be read, the default entry takes its place and
    // reading stops (the list ends there).
    void load(const std::string& modelDatPath, const std::string& modelId);
    // Loads the ranges of the settings' current ModelID and stores the band
    // flags of its current FreqRange in the settings' model values.
    void load(CSettingsManager& settings);

    const std::vector<FreqRangeEntry>& entries() const { return entries_; }
    int count() const { return static_cast<int>(entries_.size()); }
    bool contains(int low, int high) const;
    // Flags of the first entry whose low and high equal the two numbers of
    // `freqRange` ("%d-%d"); 0 when none matches.
    std::uint8_t bandFlags(std::string_view freqRange) const;

private:
    std::vector<FreqRangeEntry> entries_;
};
