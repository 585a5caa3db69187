#pragma once
// What a radio session works with: where to look for the radio, the
// program's settings (current radio values, port number, access level),
// the prompt for the password, and where progress goes.
//
// A session changes the current radio values in the settings as the radio's
// identity dictates. It may run on a worker thread: the front end leaves the
// settings alone until the session has ended, and its prompt must be
// callable from that thread.
#include "link/LinkTiming.h"
#include "link/PortOpener.h"

#include <functional>
#include <string>

class CSettingsManager;
class IPrompt;

struct SessionContext {
    IPortOpener& ports;
    CSettingsManager& settings;
    IPrompt& prompt;
    // Tried first; a number 1-16 or a device path. Empty: the settings' port.
    std::string port;
    LinkTiming timing = {};
    // Percent 0-100, from the thread running the session.
    std::function<void(int percent)> progress;

    std::string configuredPort() const;
    // Records the port where the radio answered as the configured one
    // (a number; a device path is kept only for this session).
    void rememberPort(const std::string& found);
};

// The firmware version the program was built for; only its major digit
// must match the radio's.
inline constexpr const char* kReferenceVersion = "1.04.07";
