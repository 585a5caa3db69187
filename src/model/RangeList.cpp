#include "model/RangeList.h"

#include "model/ModelFile.h"
#include "settings/SettingsManager.h"

void RangeList::load(const std::string& modelDatPath, const std::string& modelId)
{
    CModelFile file(modelDatPath, modelId, "", "", 0);
    bool complete = true;
    std::vector<FreqRangeEntry> entries = file.readEntries(&complete);
    // The default entry takes the place of the first unreadable one.
    if (!complete) entries.push_back(kDefaultFreqRangeEntry);
    entries_ = std::move(entries);
}

void RangeList::load(CSettingsManager& settings)
{
    load(settings.modelDatPath(), settings.modelId());
    settings.model().bandFlags = bandFlags(settings.freqRange());
}

bool RangeList::contains(int low, int high) const
{
    for (const auto& e : entries_)
        if (e.low == low && e.high == high) return true;
    return false;
}

std::uint8_t RangeList::bandFlags(std::string_view freqRange) const
{
    ModelValues values;
    values.freqRange = std::string(freqRange);
    for (const auto& e : entries_)
        if (e.low == values.lowMHz() && e.high == values.highMHz()) return e.flags;
    return 0;
}
