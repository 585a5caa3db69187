#include "link/SessionSteps.h"

#include "settings/Prompt.h"
#include "settings/TextIds.h"

#include <algorithm>

namespace SessionSteps {

Outcome connectAndIdentify(CRadioLink& link, SessionContext& ctx, TransferResult& r)
{
    r.port = link.connect(ctx.configuredPort());
    if (r.port.empty()) return r.outcome = noRadioFound(link);
    ctx.rememberPort(r.port);
    if (!link.readIdentity(kReferenceVersion, r.identity, Proto::Item::BandLength)) {
        link.close();
        return r.outcome = Outcome::failure(MsgId::kRadioIdentityUnreadable);
    }
    r.identified = true;
    return r.outcome = Outcome::success();
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
    r.firmwareVersion = identity.firmwareVersion;
    return r;
}

Outcome checkIdentity(CRadioLink& link, const SessionContext& ctx, IdentityMode mode, TransferResult& r)
{
    const ModelValues& model = ctx.current.model;
    const IdentityCheck check =
        checkRadioIdentity(mode, toCheck(r.identity), {model.modelId, model.modelName, ctx.current.acceptedModelId});
    if (check.result != IdentityResult::Accepted) {
        link.close();
        return r.outcome = check.outcome;
    }
    r.band = check.entry;
    return r.outcome = Outcome::success();
}

Outcome open(CRadioLink& link, SessionContext& ctx, IdentityMode mode, TransferResult& r)
{
    if (!connectAndIdentify(link, ctx, r)) return r.outcome;
    return checkIdentity(link, ctx, mode, r);
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

}  // namespace SessionSteps
