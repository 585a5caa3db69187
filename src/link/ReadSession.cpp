#include "link/ImageSessions.h"

#include "link/SessionSteps.h"
#include "link/TransferPlans.h"
#include "settings/TextIds.h"

TransferResult readFromRadio(SessionContext& ctx, RadioImage& image)
{
    TransferResult result;
    CRadioLink link(ctx.ports, ctx.timing);
    if (!SessionSteps::open(link, ctx, IdentityMode::FreshRead, result)) return result;
    result.identityAccepted = true;

    result.outcome = SessionSteps::enterMode(link, ctx, Proto::Mode::Read, Proto::PasswordKind::BeforeRead);
    if (!result.outcome) return result;

    // Read into a buffer of our own: a broken read must not leave the
    // caller with half an image.
    RadioImage buffer{};
    for (const BlockSpan& b : Plans::read()) {
        if (!link.readBlock(b.address, b.length, buffer.data() + b.address)) {
            // The radio stays in read mode; only the port is closed.
            link.close();
            result.outcome = Outcome::failure(MsgId::kRadioReadFailed, {std::to_string(b.address & 0xFFFF)});
            return result;
        }
        if (ctx.progress) ctx.progress(static_cast<int>(b.address * 100 / (Plans::kImageSize - Plans::kBlockSize)));
    }
    link.setMode(Proto::Mode::Leave);
    link.close();
    image = buffer;
    result.outcome = Outcome{true, MsgId::kRadioReadDone, {}};
    return result;
}
