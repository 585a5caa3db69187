#include "model/IdentityCheck.h"

#include "settings/TextIds.h"

IdentityCheck checkRadioIdentity(IdentityMode mode, const RadioIdentity& radio, const IdentityBaseline& current)
{
    IdentityCheck check;
    auto reject = [&] {
        check.result = IdentityResult::Rejected;
        check.outcome = Outcome::failure(MsgId::kRadioModelMismatch);
        return check;
    };
    if (mode == IdentityMode::KeepModel) {
        if (radio.modelId != current.modelId || radio.modelName != current.modelName) return reject();
    } else {
        if (current.acceptedModelId.empty() || radio.modelId != current.acceptedModelId) return reject();
        if (radio.modelId == current.modelId && radio.modelName != current.modelName) return reject();
    }
    if (radio.status == 1 || radio.status == 2) {
        check.result = IdentityResult::Refused;
        check.outcome = Outcome::failure(MsgId::kRadioRefused, {radio.firmwareVersion.substr(0, 4)});
        return check;
    }
    check.result = IdentityResult::Accepted;
    check.outcome = Outcome::success();
    check.entry = decodeBandBlock(radio.band);
    return check;
}
