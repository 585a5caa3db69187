// Any bytes as Model.dat: the model lists and ranges, then the offer to add
// a radio's range. An added range is listed afterwards behind the ranges
// that were listed before; a declined or failed offer leaves the file as
// it was.
// Input: model identifier line, model name line, range (low, high as
// 16-bit numbers, flags), answer byte, then the file's bytes.
#include "FuzzProgramDir.h"
#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "model/ModelFile.h"
#include "model/NewRangeOffer.h"
#include "model/RangeList.h"
#include "settings/FileIO.h"
#include "settings/Prompt.h"
#include "settings/SettingsManager.h"

namespace {

struct AnswerPrompt : IPrompt {
    bool yes = true;
    bool confirm(int, const std::string&, PromptButtons) override { return yes; }
    std::optional<std::string> askPassword(int) override { return std::nullopt; }
};

}  // namespace

int fuzzModelDat(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const std::string modelId = in.text();
    const std::string modelName = in.text();
    FreqRangeEntry entry;
    entry.low = static_cast<std::int16_t>(in.u16());
    entry.high = static_cast<std::int16_t>(in.u16());
    entry.flags = in.byte();
    entry.low2 = entry.low;
    entry.high2 = entry.high;
    AnswerPrompt prompt;
    prompt.yes = in.byte() & 1;
    const std::string modelDat = in.rest();

    resetFuzzProgramDir(modelDat.empty() ? std::string("\n") : modelDat);
    CSettingsManager settings(fuzzProgramDir(), fuzzProgramDir() + "user/");
    settings.setWriteOnDestruction(false);
    settings.setModelId(modelId);

    CModelFile file(settings.modelDatPath(), modelId, modelName, "", 0);
    (void)file.identifiers();
    (void)file.modelNames();
    (void)file.findIdentifier(modelName);
    bool complete = false;
    (void)file.readEntries(&complete);

    RangeList ranges;
    ranges.load(settings);
    FUZZ_CHECK(ranges.count() >= 1);
    const RangeList before = ranges;
    std::string fileBefore;
    FUZZ_CHECK(readWholeFile(settings.modelDatWritePath(), fileBefore));

    const NewRangeOffer offer = offerNewRange(entry, ranges, settings, prompt);
    std::string fileAfter;
    FUZZ_CHECK(readWholeFile(settings.modelDatWritePath(), fileAfter));
    switch (offer.result) {
    case NewRangeResult::AlreadyListed:
        FUZZ_CHECK(before.contains(entry.low, entry.high));
        FUZZ_CHECK(fileAfter == fileBefore);
        break;
    case NewRangeResult::Declined:
    case NewRangeResult::WriteFailed:
        FUZZ_CHECK(fileAfter == fileBefore);
        break;
    case NewRangeResult::Added: {
        FUZZ_CHECK(ranges.contains(entry.low, entry.high));
        FUZZ_CHECK(ranges.entries().back() == entry);
        // The last range listed before may stand for one that could not be
        // read; every other one keeps its place.
        for (int i = 0; i + 1 < before.count() && i + 1 < ranges.count(); ++i)
            FUZZ_CHECK(before.entries()[i] == ranges.entries()[i]);
        break;
    }
    }
    return 0;
}
