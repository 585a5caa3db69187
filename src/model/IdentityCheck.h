#pragma once
// Checks the identity a radio reports against the current model before its
// codeplug is read or its tuning is touched.
#include "model/BandBlock.h"
#include "settings/Outcome.h"

#include <string>

enum class IdentityMode {
    KeepModel,  // the document stays on its model: the radio must be that model
    FreshRead,  // a read that may change the model
};

enum class IdentityResult { Accepted = 0, Rejected = 1, Refused = 2 };

struct RadioIdentity {
    std::string modelId;
    std::string modelName;
    int status = 0;  // 1 or 2: the radio refuses
    BandBlock band{};
    std::string firmwareVersion;  // named in the refusal
};

// The program's values a radio is checked against.
struct IdentityBaseline {
    std::string modelId;          // the current model
    std::string modelName;
    std::string acceptedModelId;  // the identifier a radio read afresh must report
};

struct IdentityCheck {
    IdentityResult result = IdentityResult::Rejected;
    Outcome outcome;        // the message to show when not accepted
    FreqRangeEntry entry;   // the radio's band, when accepted
};

IdentityCheck checkRadioIdentity(IdentityMode mode, const RadioIdentity& radio, const IdentityBaseline& current);
