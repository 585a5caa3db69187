#include "link/TuningSessions.h"

#include "link/SessionSteps.h"
#include "link/TransferPlans.h"
#include "settings/TextIds.h"

#include <algorithm>

namespace {

// Radios after this firmware ask for their password before the messages
// may be read or written.
constexpr const char* kLastVersionWithoutPassword = "1.01.10";

// Connection, identity check (as for a fresh read) and the mode. Leaves
// the port open on success.
Outcome open(CRadioLink& link, SessionContext& ctx, std::uint16_t mode, TransferResult& r, bool& rangeChanged)
{
    if (!SessionSteps::open(link, ctx, IdentityMode::FreshRead, r)) return r.outcome;
    r.identityAccepted = true;
    rangeChanged = rangeText(r.band) != ctx.current.model.freqRange;

    int answer = link.setMode(mode);
    if (answer == 0) {
        link.close();
        return r.outcome = Outcome::failure(MsgId::kNoRadio);
    }
    if (answer < 0 && r.identity.firmwareVersion.substr(0, 7) > kLastVersionWithoutPassword)
        return r.outcome = SessionSteps::passwordStep(link, ctx, Proto::PasswordKind::BeforeRead);
    return r.outcome = Outcome::success();
}

}  // namespace

TransferResult readEmbeddedMessages(CRadioLink& link, SessionContext& ctx, std::uint8_t (&record)[144],
                                    bool& rangeChanged)
{
    TransferResult r;
    if (!open(link, ctx, Proto::Mode::Read, r, rangeChanged)) return r;
    std::uint8_t buffer[Plans::kEmbeddedLength];
    for (const BlockSpan& b : Plans::embeddedMessage()) {
        if (!link.readBlock(b.address, b.length, buffer + (b.address - Plans::kEmbeddedStart))) {
            link.close();
            r.outcome = Outcome::failure(MsgId::kRadioReadFailed, {std::to_string(b.address)});
            return r;
        }
    }
    std::copy(std::begin(buffer), std::end(buffer), std::begin(record));
    link.setMode(Proto::Mode::Leave);
    link.close();
    r.outcome = Outcome::success();
    return r;
}

TransferResult writeEmbeddedMessages(CRadioLink& link, SessionContext& ctx, const std::uint8_t (&record)[144],
                                     bool& rangeChanged)
{
    TransferResult r;
    if (!open(link, ctx, Proto::Mode::Write, r, rangeChanged)) return r;
    for (const BlockSpan& b : Plans::embeddedMessage()) {
        if (!link.writeBlock(b.address, b.length, record + (b.address - Plans::kEmbeddedStart))) {
            link.close();
            r.outcome = Outcome::failure(MsgId::kRadioWriteFailed, {std::to_string(b.address)});
            return r;
        }
    }
    link.setMode(Proto::Mode::Leave);
    link.close();
    r.outcome = Outcome{true, MsgId::kRadioWriteDone, {}};
    return r;
}
