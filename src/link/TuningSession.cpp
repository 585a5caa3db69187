#include "link/TuningSessions.h"

#include "link/SessionSteps.h"
#include "link/TransferPlans.h"
#include "settings/TextIds.h"

TuningConnection openTuningConnection(CRadioLink& link, SessionContext& ctx, std::uint16_t mode)
{
    TuningConnection tc;
    TransferResult& r = tc.result;
    const IdentityMode check = mode == Proto::Mode::Write ? IdentityMode::KeepModel : IdentityMode::FreshRead;
    if (!SessionSteps::open(link, ctx, check, r)) return tc;

    const std::string bandText = rangeText(r.band);
    tc.rangeChanged = bandText != ctx.current.model.freqRange;
    if (mode == Proto::Mode::Write && tc.rangeChanged) {
        link.close();
        r.outcome = Outcome::failure(MsgId::kRadioRangeOutside, {bandText});
        return tc;
    }
    r.identityAccepted = true;

    // A radio that asks for its password gets it: without it every write
    // of the tune data would be refused.
    const std::uint8_t kind = mode == Proto::Mode::Write ? Proto::PasswordKind::BeforeWrite : Proto::PasswordKind::BeforeRead;
    r.outcome = SessionSteps::enterMode(link, ctx, mode, kind);
    return tc;
}

TuningConnection writeTuneData(CRadioLink& link, SessionContext& ctx, const RadioImage& image)
{
    TuningConnection tc = openTuningConnection(link, ctx, Proto::Mode::Write);
    if (!tc.result.outcome) return tc;
    tc.result.outcome = Outcome{true, MsgId::kTuneDataWritten, {}};
    const auto plan = Plans::tuneData();
    for (std::size_t k = 0; k < plan.size(); ++k) {
        const BlockSpan& b = plan[k];
        if (!link.writeBlock(b.address, b.length, image.data() + b.address)) {
            tc.result.outcome = Outcome::failure(MsgId::kRadioWriteFailed, {std::to_string(b.address)});
            break;
        }
        if (ctx.progress) ctx.progress(static_cast<int>((k + 1) * 100 / plan.size()));
    }
    // Tuning ends with the radio back in normal operation, failed or not.
    link.setMode(Proto::Mode::Leave);
    link.close();
    return tc;
}
