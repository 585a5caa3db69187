#pragma once
// Choosing the model a codeplug is made for (model identifier, model name,
// frequency range and signalling value) as New, Model Information and
// `qav new` choose it, from the model database.
#include "settings/Outcome.h"

#include <string>

class CSettingsManager;
class DocumentService;

struct ModelChoice {
    std::string modelId;
    std::string modelName;
    std::string freqRange;
    int signal = 0;
    bool operator==(const ModelChoice&) const = default;
};

// The program's current model.
ModelChoice currentModelChoice(const CSettingsManager& settings);

// Fills what `choice` leaves empty: the identifier with the one the program
// accepts (identifier text 610), the name with the first name the database
// lists for the identifier (the identifier itself when it lists none), the
// range with the identifier's first range. When the database lists no range
// for it either, `fallbackRange` gives the default range 136-174; without
// it the range stays empty (nothing to confirm).
ModelChoice completeModelChoice(ModelChoice choice, const CSettingsManager& settings, bool fallbackRange);

// Makes `choice` the current model's four values, as they stand.
void applyModelChoice(CSettingsManager& settings, const ModelChoice& choice);

// Makes `chosen` the current model, as the Model Information command does:
// unchanged, nothing happens; only the name differs, the name alone
// changes; otherwise, once the document lets its codeplug be replaced (the
// save question when it is modified, else language string 800; asked only
// when `ask`), the four values change and the document is reset for the
// new model.
enum class ModelChange { None, Name, Model, Declined };
struct ModelSelection {
    ModelChange change = ModelChange::None;
    Outcome reset;  // the document's reset after a change of model; why it was declined otherwise
};
ModelSelection selectModel(const ModelChoice& chosen, CSettingsManager& settings, DocumentService& document,
                           bool ask);
