#include "model/NewRangeOffer.h"

#include "model/ModelFile.h"
#include "model/RangeList.h"
#include "settings/Prompt.h"
#include "settings/SettingsManager.h"
#include "settings/TextFormat.h"

std::string newRangeQuestion(const FreqRangeEntry& entry, int languageIndex)
{
    const char* format = languageIndex == 0
                             ? "Find a new Frequency Range: %d-%d MHz,do you want to add?"
                             : "\xE5\x8F\x91\xE7\x8E\xB0\xE4\xB8\x80\xE4\xB8\xAA\xE6\x96\xB0\xE9\xA2\x91"
                               "\xE6\xAE\xB5\xEF\xBC\x9A%d-%d MHz, \xE6\x98\xAF\xE5\x90\xA6\xE6\xB7\xBB"
                               "\xE5\x8A\xA0\xEF\xBC\x9F";  // 发现一个新频段：%d-%d MHz, 是否添加？
    return formatText(format, {std::to_string(entry.low), std::to_string(entry.high)});
}

NewRangeOffer offerNewRange(const FreqRangeEntry& entryIn, RangeList& ranges, CSettingsManager& settings,
                            IPrompt& prompt)
{
    NewRangeOffer offer;
    if (ranges.contains(entryIn.low, entryIn.high)) return offer;

    bool yes = prompt.confirm(0, newRangeQuestion(entryIn, settings.languageIndex()), PromptButtons::YesNo);
    settings.setAddRangeAnswer(yes ? CSettingsManager::kAnswerYes : CSettingsManager::kAnswerNo);
    if (!yes) {
        offer.result = NewRangeResult::Declined;
        return offer;
    }

    FreqRangeEntry entry = entryIn;
    entry.low2 = entry.low;
    entry.high2 = entry.high;
    CModelFile file(settings.modelDatPath(), settings.modelDatWritePath(), settings.modelId(),
                    settings.modelName(), settings.freqRange(), settings.signal());
    if (!file.appendEntry(entry)) {
        offer.result = NewRangeResult::WriteFailed;
        offer.error = file.error();
        return offer;
    }
    ranges.load(settings);
    offer.result = NewRangeResult::Added;
    return offer;
}
