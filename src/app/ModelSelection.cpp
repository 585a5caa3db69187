#include "app/ModelSelection.h"

#include "app/DocumentService.h"
#include "model/ModelFile.h"
#include "settings/AcceptedModel.h"
#include "settings/Prompt.h"
#include "settings/SettingsManager.h"
#include "settings/TextIds.h"

namespace {

// The range of the default range entry, for a model the database gives none.
constexpr const char* kFallbackRange = "136-174";

}  // namespace

ModelChoice currentModelChoice(const CSettingsManager& settings)
{
    return {settings.modelId(), settings.modelName(), settings.freqRange(), settings.signal()};
}

ModelChoice completeModelChoice(ModelChoice choice, const CSettingsManager& settings, bool fallbackRange)
{
    if (choice.modelId.empty()) choice.modelId = settings.identifier(AcceptedModel::kIdentifierText);
    const CModelFile models(settings.modelDatPath(), choice.modelId, choice.modelName, choice.freqRange,
                            choice.signal);
    if (choice.modelName.empty()) {
        for (const auto& [id, name] : models.modelNames())
            if (id == choice.modelId) {
                choice.modelName = name;
                break;
            }
        if (choice.modelName.empty()) choice.modelName = choice.modelId;
    }
    if (choice.freqRange.empty()) {
        FreqRangeEntry first{};
        if (models.readEntry(0, first)) choice.freqRange = rangeText(first);
        else if (fallbackRange) choice.freqRange = kFallbackRange;
    }
    return choice;
}

void applyModelChoice(CSettingsManager& settings, const ModelChoice& choice)
{
    settings.setModelId(choice.modelId);
    settings.setModelName(choice.modelName);
    settings.setFreqRange(choice.freqRange);
    settings.setSignal(choice.signal);
}

ModelSelection selectModel(const ModelChoice& chosen, CSettingsManager& settings, DocumentService& document,
                           bool ask)
{
    ModelSelection result;
    const ModelChoice now = currentModelChoice(settings);
    if (chosen == now) return result;
    ModelChoice nameOnly = now;
    nameOnly.modelName = chosen.modelName;
    if (chosen == nameOnly) {
        settings.setModelName(chosen.modelName);
        result.change = ModelChange::Name;
        return result;
    }
    if (ask) {
        // A modified codeplug gets the save question rather than a bare
        // "replace?", so the user can keep what they changed.
        Outcome allowed = document.confirmReplace(PromptButtons::YesNo);
        if (!allowed) {
            result.change = ModelChange::Declined;
            result.reset = std::move(allowed);
            return result;
        }
    }
    applyModelChoice(settings, chosen);
    result.change = ModelChange::Model;
    result.reset = document.resetForModel();
    return result;
}
