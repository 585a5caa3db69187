#pragma once
// How a radio session ended: the message to show (a failure, or the
// success message of the transfer) and what the caller needs afterwards.
#include "model/FreqRangeEntry.h"
#include "settings/Outcome.h"

#include <string>

struct TransferResult {
    Outcome outcome;
    // The radio was accepted (identity and range checks passed) and `band`
    // holds its band (the caller offers it as a new range).
    bool identityAccepted = false;
    FreqRangeEntry band{};
    // The port where the radio answered ("" when none did).
    std::string port;
};
