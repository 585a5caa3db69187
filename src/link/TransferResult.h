#pragma once
// How a radio session ended and what it learned about the radio. A session
// never changes the program's settings (it may run on a worker thread): the
// calling procedure applies what is here once the session is over.
#include "link/IdentityData.h"
#include "model/FreqRangeEntry.h"
#include "settings/Outcome.h"

#include <string>

struct TransferResult {
    // The message to show: a failure, or the success message of the
    // transfer. A session that never ran failed with nothing to show.
    Outcome outcome = Outcome::failure(0);
    // The port where the radio answered ("" when none did).
    std::string port;
    // The radio's identity was read and `identity` holds it.
    bool identified = false;
    IdentityData identity;
    // The radio was accepted (identity and range checks passed) and `band`
    // holds its band (the caller offers it as a new range).
    bool identityAccepted = false;
    FreqRangeEntry band{};
    // The range the radio's own band words give ("%d-%d"); only a Factory
    // Mode read learns it.
    std::string bandWordsRange;
};
