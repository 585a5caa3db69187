#pragma once
// The steps every radio session shares: find the radio, read and check its
// identity, and enter a mode (with the password when the radio asks for it).
// They record what they learn in the session's TransferResult.
#include "link/IdentityData.h"
#include "link/RadioLink.h"
#include "link/SessionContext.h"
#include "link/TransferResult.h"
#include "model/FreqRangeEntry.h"
#include "model/IdentityCheck.h"
#include "settings/Outcome.h"

#include <cstdint>
#include <string>

namespace SessionSteps {

// Connects (the configured port first, then ports 1-16), notes the port
// that answered and reads the identity into `r`. On failure the port is
// closed; the result is also r.outcome.
Outcome connectAndIdentify(CRadioLink& link, SessionContext& ctx, TransferResult& r);

// The failure of a search that found no radio: "no radio answers", or,
// when a port could not be opened for lack of permission, how to get it.
Outcome noRadioFound(const CRadioLink& link);

// Checks the identity in `r` against the current model; on success r.band
// is the radio's band. On failure the port is closed.
Outcome checkIdentity(CRadioLink& link, const SessionContext& ctx, IdentityMode mode, TransferResult& r);

// Both of the above: the opening every identity-checked session shares.
Outcome open(CRadioLink& link, SessionContext& ctx, IdentityMode mode, TransferResult& r);

// Enters `mode`. No answer: failure 1143. The radio wants its password:
// asked up to three times and sent as `kind`. Cancel or a third refusal
// close the port. `askPassword` false: a password demand is let through
// unanswered (as the caller's radio expects).
Outcome enterMode(CRadioLink& link, SessionContext& ctx, std::uint16_t mode, std::uint8_t kind,
                  bool askPassword = true);

// Up to three attempts; the first two refusals are shown through the
// prompt, the third is the result.
Outcome passwordStep(CRadioLink& link, SessionContext& ctx, std::uint8_t kind);

// The model check's view of what the radio said.
RadioIdentity toCheck(const IdentityData& identity);

}  // namespace SessionSteps
