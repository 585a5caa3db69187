#include "link/SessionSteps.h"

#include "settings/Prompt.h"
#include "settings/SettingsManager.h"
#include "settings/TextIds.h"

#include <algorithm>

namespace SessionSteps {

Outcome connectAndIdentify(CRadioLink& link, SessionContext& ctx, IdentityData& identity)
{
    std::string found = link.connect(ctx.configuredPort());
    if (found.empty()) return noRadioFound(link);
    ctx.rememberPort(found);
    if (!link.readIdentity(kReferenceVersion, identity, Proto::Item::BandLength)) {
        link.close();
        return Outcome::failure(MsgId::kRadioIdentityUnreadable);
    }
    return Outcome::success();
}

Outcome noRadioFound(const CRadioLink& link)
{
    // The radio may well sit behind the port the user may not open, so
    // that is the more useful thing to say.
    if (!link.deniedDevice().empty()) return Outcome::failure(MsgId::kPortPermission, {link.deniedDevice()});
    return Outcome::failure(MsgId::kNoRadio);
}

RadioIdentity toCheck(const IdentityData& identity)
{
    RadioIdentity r;
    r.modelId = identity.productId;
    r.modelName = identity.modelName;
    r.status = identity.versionCompare;
    std::copy_n(identity.bandBlock.begin(), std::min(identity.bandBlock.size(), r.band.size()), r.band.begin());
    return r;
}

Outcome checkIdentity(CRadioLink& link, SessionContext& ctx, IdentityMode mode, const IdentityData& identity,
                      FreqRangeEntry& band)
{
    const std::string previousVersion = ctx.settings.firmwareVersion();
    ctx.settings.setFirmwareVersion(identity.firmwareVersion);
    IdentityCheck check = checkRadioIdentity(mode, toCheck(identity), ctx.settings);
    if (check.result != IdentityResult::Accepted) {
        ctx.settings.setFirmwareVersion(previousVersion);
        link.close();
        return check.outcome;
    }
    band = check.entry;
    return Outcome::success();
}

Outcome passwordStep(CRadioLink& link, SessionContext& ctx, std::uint8_t kind)
{
    constexpr int kAttempts = 3;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        std::optional<std::string> digits = ctx.prompt.askPassword(attempt);
        if (!digits) {
            link.close();
            return Outcome::failure(0);  // cancelled: nothing to show
        }
        if (link.sendPassword(*digits, kind)) return Outcome::success();
        if (attempt < kAttempts) ctx.prompt.inform(Outcome::failure(MsgId::kRadioWrongPassword));
    }
    link.close();
    return Outcome::failure(MsgId::kRadioWrongPassword);
}

Outcome enterMode(CRadioLink& link, SessionContext& ctx, std::uint16_t mode, std::uint8_t kind, bool askPassword)
{
    int answer = link.setMode(mode);
    if (answer == 0) {
        link.close();
        return Outcome::failure(MsgId::kNoRadio);
    }
    if (answer < 0 && askPassword) return passwordStep(link, ctx, kind);
    return Outcome::success();
}

void adoptRadio(SessionContext& ctx, const IdentityData& identity, const std::string& bandText,
                bool keepPreviousRange)
{
    CSettingsManager& s = ctx.settings;
    s.setModelId(identity.productId);
    s.setProductId(identity.productId);
    s.setModelName(identity.modelName);
    s.setOptionByte(static_cast<std::uint8_t>(identity.optionByte));
    if (keepPreviousRange) s.setSavedFreqRange(s.freqRange());
    s.setFreqRange(bandText);
}

}  // namespace SessionSteps
