#pragma once
// Takes over what a radio session learned about the radio into the
// program's settings. Sessions may run on a worker thread and change
// nothing of the program's; the command that started one calls this on its
// own thread once the session has ended.
#include "link/TransferResult.h"

class CSettingsManager;

enum class Takeover {
    PortOnly,     // only the port where the radio answered (any session)
    Read,         // the radio becomes the current one; its band the range, the old range the saved one
    Write,        // the radio's firmware version becomes the current one
    Tuning,       // as Read, but the previous range is not kept
    FactoryRead,  // the range the radio's band words give
};

// The port where the radio answered becomes the configured one (a device
// path stays the session's own); then the values `how` names, where the
// session learned them.
void applyLearned(CSettingsManager& settings, const TransferResult& result, Takeover how);
