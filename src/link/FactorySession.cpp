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

}  // namespace

TransferResult factoryRead(CRadioLink& link, SessionContext& ctx, RadioImage& image)
{
    TransferResult r;
    if (!openFactory(link, ctx, Proto::Mode::Read, Proto::PasswordKind::BeforeRead, r)) return r;
    RadioImage buffer = image;
    for (const BlockSpan& b : Plans::factoryRead()) {
        if (!link.readBlock(b.address, b.length, buffer.data() + b.address)) {
            link.close();
            r.outcome = blockFailed(MsgId::kRadioReadFailed, b.address);
            return r;
        }
    }
    image = buffer;
    r.bandWordsRange = std::to_string(edgeMHz(image, 40)) + "-" + std::to_string(edgeMHz(image, 44));
    link.setMode(Proto::Mode::Leave);
    link.close();
    r.outcome = Outcome{true, MsgId::kRadioReadDone, {}};
    return r;
}

TransferResult factoryWrite(CRadioLink& link, SessionContext& ctx, const RadioImage& image)
{
    TransferResult r;
    if (!openFactory(link, ctx, Proto::Mode::Write, Proto::PasswordKind::BeforeWrite, r)) return r;
    for (const BlockSpan& b : Plans::factoryWrite()) {
        if (!link.writeBlock(b.address, b.length, image.data() + b.address)) {
            link.close();
            r.outcome = blockFailed(MsgId::kRadioWriteFailed, b.address);
            return r;
        }
    }
    link.setMode(Proto::Mode::Leave);
    link.close();
    r.outcome = Outcome{true, MsgId::kRadioWriteDone, {}};
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
