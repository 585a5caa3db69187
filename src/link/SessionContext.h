#pragma once
// What a radio session works with: where to look for the radio, the
// program's current values the radio is checked against, the prompt for
// the password, and where progress goes.
//
// A session may run on a worker thread. It reads only this context, whose
// program values are copied from the settings on the caller's thread when
// the context is made, and it writes nothing of the program's: what it
// learns about the radio comes back in its TransferResult, and the calling
// procedure applies that on its own thread. The prompt must be callable
// from the session's thread.
#include "link/LinkTiming.h"
#include "link/PortOpener.h"
#include "model/ReferenceFirmware.h"
#include "settings/ModelValues.h"

#include <functional>
#include <string>

class CSettingsManager;
class IPrompt;

// The program's values a session needs, as they were when it started.
struct SessionBaseline {
    ModelValues model;
    std::string acceptedModelId;  // the identifier a radio read afresh must report
    int comPort = 1;              // the configured port number
    bool extendedAccess = false;  // writes the extended user area too

    static SessionBaseline of(const CSettingsManager& settings);
};

struct SessionContext {
    SessionContext(IPortOpener& ports, const CSettingsManager& settings, IPrompt& prompt, std::string port = {},
                   LinkTiming timing = {}, std::function<void(int)> progress = {});

    IPortOpener& ports;
    SessionBaseline current;
    IPrompt& prompt;
    // Tried first; a number 1-16 or a device path. Empty: the configured port.
    std::string port;
    LinkTiming timing = {};
    // Percent 0-100, from the thread running the session.
    std::function<void(int percent)> progress;

    std::string configuredPort() const;
    // The port where the radio answered is tried first by the next session
    // on this context.
    void rememberPort(const std::string& found) { port = found; }
};

// The firmware version the program was built for; only its major digit
// must match the radio's.
inline constexpr const char* kReferenceVersion = kReferenceFirmware;
