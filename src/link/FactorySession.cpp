#include "link/TuningSessions.h"

#include "link/SessionSteps.h"
#include "link/TransferPlans.h"
#include "model/FreqBcd.h"
#include "settings/TextIds.h"

namespace {

// The band edges in the radio information section: frequency words kept
// low byte first.
int edgeMHz(const RadioImage& image, std::size_t at)
{
    std::uint32_t word = image[at] | image[at + 1] << 8 | image[at + 2] << 16 | std::uint32_t(image[at + 3]) << 24;
    return static_cast<int>(FreqBcd::toUnits(word) / FreqBcd::kUnitsPerMHz);
}

Outcome blockFailed(int message, std::uint32_t address)
{
    return Outcome::failure(message, {std::to_string(address)});
}

// Factory Mode asks for no identity check and answers no password demand:
// the radio is found, identified and put in `mode`.
bool openFactory(CRadioLink& link, SessionContext& ctx, std::uint16_t mode, std::uint8_t kind, TransferResult& r)
{
    if (!SessionSteps::connectAndIdentify(link, ctx, r)) return false;
    r.outcome = SessionSteps::enterMode(link, ctx, mode, kind, false);
    return r.outcome.ok;
}

// Moves every block of `plan` with `move`; the first that fails closes the
// port and fails the session with `message` and the block's address.
template <class Move>
bool everyBlock(CRadioLink& link, const std::vector<BlockSpan>& plan, int message, TransferResult& r, Move move)
{
    for (const BlockSpan& b : plan) {
        if (move(b)) continue;
        link.close();
        r.outcome = blockFailed(message, b.address);
        return false;
    }
    return true;
}

// Leaves programming mode, closes the port and succeeds with `message`.
void finish(CRadioLink& link, TransferResult& r, int message)
{
    link.setMode(Proto::Mode::Leave);
    link.close();
    r.outcome = Outcome{true, message, {}};
}

}  // namespace

TransferResult factoryRead(CRadioLink& link, SessionContext& ctx, RadioImage& image)
{
    TransferResult r;
    if (!openFactory(link, ctx, Proto::Mode::Read, Proto::PasswordKind::BeforeRead, r)) return r;
    RadioImage buffer = image;
    const bool all = everyBlock(link, Plans::factoryRead(), MsgId::kRadioReadFailed, r, [&](const BlockSpan& b) {
        return link.readBlock(b.address, b.length, buffer.data() + b.address);
    });
    if (!all) return r;
    image = buffer;
    r.bandWordsRange = std::to_string(edgeMHz(image, 40)) + "-" + std::to_string(edgeMHz(image, 44));
    finish(link, r, MsgId::kRadioReadDone);
    return r;
}

TransferResult factoryWrite(CRadioLink& link, SessionContext& ctx, const RadioImage& image)
{
    TransferResult r;
    if (!openFactory(link, ctx, Proto::Mode::Write, Proto::PasswordKind::BeforeWrite, r)) return r;
    const bool all = everyBlock(link, Plans::factoryWrite(), MsgId::kRadioWriteFailed, r, [&](const BlockSpan& b) {
        return link.writeBlock(b.address, b.length, image.data() + b.address);
    });
    if (all) finish(link, r, MsgId::kRadioWriteDone);
    return r;
}

TransferResult writeTuneSwitch(CRadioLink& link, SessionContext& ctx, const RadioImage& image)
{
    TransferResult r;
    r.port = link.connect(ctx.configuredPort());
    if (r.port.empty()) {
        r.outcome = SessionSteps::noRadioFound(link);
        return r;
    }
    ctx.rememberPort(r.port);
    // The radio takes this one byte in read mode.
    r.outcome = SessionSteps::enterMode(link, ctx, Proto::Mode::Read, Proto::PasswordKind::BeforeRead, false);
    if (!r.outcome) return r;
    if (link.writeBlock(Plans::kTuneSwitch, 1, image.data() + Plans::kTuneSwitch))
        r.outcome = Outcome{true, MsgId::kTuneDataWritten, {}};
    else
        r.outcome = blockFailed(MsgId::kRadioWriteFailed, Plans::kTuneSwitch);
    link.setMode(Proto::Mode::Leave);
    link.close();
    return r;
}
