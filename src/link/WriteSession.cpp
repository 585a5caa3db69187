#include "link/ImageSessions.h"

#include "link/SessionSteps.h"
#include "link/TransferPlans.h"
#include "model/ProgrammingStamp.h"
#include "settings/TextIds.h"

#include <algorithm>

namespace {

Outcome writeFailed(CRadioLink& link, std::uint32_t address)
{
    // The radio holds a partial write and stays in write mode.
    link.close();
    return Outcome::failure(MsgId::kRadioWriteFailed, {std::to_string(address & 0xFFFF)});
}

}  // namespace

TransferResult writeToRadio(SessionContext& ctx, RadioImage& image)
{
    TransferResult result;
    CRadioLink link(ctx.ports, ctx.timing);
    if (!SessionSteps::open(link, ctx, IdentityMode::KeepModel, result)) return result;

    const ModelValues& model = ctx.current.model;
    if (model.lowMHz() < result.band.low || model.highMHz() > result.band.high) {
        link.close();
        result.outcome = Outcome::failure(MsgId::kRadioRangeOutside, {rangeText(result.band)});
        return result;
    }
    result.identityAccepted = true;

    const ProgrammingStamp stamp = programmingStampNow();
    result.outcome = SessionSteps::enterMode(link, ctx, Proto::Mode::Write, Proto::PasswordKind::BeforeWrite);
    if (!result.outcome) return result;

    const auto plan = Plans::write(ctx.current.extendedAccess);
    const std::size_t last = plan.size() - 1;
    for (std::size_t k = 0; k < plan.size(); ++k) {
        const BlockSpan& b = plan[k];
        if (!link.writeBlock(b.address, b.length, image.data() + b.address)) {
            result.outcome = writeFailed(link, b.address);
            return result;
        }
        if (ctx.progress) ctx.progress(static_cast<int>((k + 1) * 100 / last));
    }
    // The stamp goes last, so a radio holding it holds a complete write.
    if (!link.writeBlock(Plans::kStamp.address, Plans::kStamp.length, stamp.data())) {
        result.outcome = writeFailed(link, Plans::kStamp.address);
        return result;
    }
    std::copy(stamp.begin(), stamp.end(), image.begin() + Plans::kStamp.address);
    link.setMode(Proto::Mode::Leave);
    link.close();
    result.outcome = Outcome{true, MsgId::kRadioWriteDone, {}};
    return result;
}
