#pragma once
// The steps every radio session shares: find the radio, read and check its
// identity, enter a mode (with the password when the radio asks for it),
// and take over the radio's identity as the current radio.
#include "link/IdentityData.h"
#include "link/RadioLink.h"
#include "link/SessionContext.h"
#include "model/FreqRangeEntry.h"
#include "model/IdentityCheck.h"
#include "settings/Outcome.h"

#include <cstdint>
#include <string>

namespace SessionSteps {

// Connects (the configured port first, then ports 1-16), remembers the port
// that answered and reads the identity. On failure the port is closed.
Outcome connectAndIdentify(CRadioLink& link, SessionContext& ctx, IdentityData& identity);

// The failure of a search that found no radio: "no radio answers", or,
// when a port could not be opened for lack of permission, how to get it.
Outcome noRadioFound(const CRadioLink& link);

// Makes the radio's firmware version the current one, then checks the
// identity against the current model. On failure the previous version is
// put back and the port closed; on success `band` is the radio's band.
Outcome checkIdentity(CRadioLink& link, SessionContext& ctx, IdentityMode mode, const IdentityData& identity,
                      FreqRangeEntry& band);

// Enters `mode`. No answer: failure 1143. The radio wants its password:
// asked up to three times and sent as `kind`. Cancel or a third refusal
// close the port. `askPassword` false: a password demand is let through
// unanswered (as the caller's radio expects).
Outcome enterMode(CRadioLink& link, SessionContext& ctx, std::uint16_t mode, std::uint8_t kind,
                  bool askPassword = true);

// Up to three attempts; the first two refusals are shown through the
// prompt, the third is the result.
Outcome passwordStep(CRadioLink& link, SessionContext& ctx, std::uint8_t kind);

// The radio's product identifier, model name, option byte and band text
// become the current radio (the firmware version already is). With
// `keepPreviousRange` the old range text is kept as the saved one.
void adoptRadio(SessionContext& ctx, const IdentityData& identity, const std::string& bandText,
                bool keepPreviousRange);

// The model check's view of what the radio said.
RadioIdentity toCheck(const IdentityData& identity);

}  // namespace SessionSteps
