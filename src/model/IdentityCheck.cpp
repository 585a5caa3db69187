#include "model/IdentityCheck.h"

#include "settings/SettingsManager.h"
#include "settings/TextIds.h"

IdentityCheck checkRadioIdentity(IdentityMode mode, const RadioIdentity& radio,
                                 const CSettingsManager& settings)
{
    IdentityCheck check;
    auto reject = [&] {
        check.result = IdentityResult::Rejected;
        check.outcome = Outcome::failure(MsgId::kRadioModelMismatch);
        return check;
    };
    if (mode == IdentityMode::KeepModel) {
        if (radio.modelId != settings.modelId() || radio.modelName != settings.modelName()) return reject();
    } else {
        if (!settings.language().isAcceptedIdentifier(radio.modelId)) return reject();
        if (radio.modelId == settings.modelId() && radio.modelName != settings.modelName()) return reject();
    }
    if (radio.status == 1 || radio.status == 2) {
        check.result = IdentityResult::Refused;
        check.outcome = Outcome::failure(MsgId::kRadioRefused, {settings.firmwareVersion().substr(0, 4)});
        return check;
    }
    check.result = IdentityResult::Accepted;
    check.outcome = Outcome::success();
    check.entry = decodeBandBlock(radio.band);
    return check;
}
