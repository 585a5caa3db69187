#pragma once
// Questions that a core procedure must put to the user go through this
// interface: dialogs in the desktop program, flags or a terminal prompt in
// the command-line tool, scripted answers in tests.
#include "settings/Outcome.h"

#include <optional>
#include <string>

enum class PromptButtons { OkCancel, YesNo };

class IPrompt {
public:
    virtual ~IPrompt() = default;

    // Shows `text` (language string `messageId`, already looked up and
    // formatted) and returns true for OK / Yes.
    virtual bool confirm(int messageId, const std::string& text, PromptButtons buttons) = 0;

    // Asks for the radio's password (digits); nullopt when the user cancels.
    // `attempt` counts from 1.
    virtual std::optional<std::string> askPassword(int attempt) = 0;

    // Shows a message in the middle of a procedure that goes on afterwards
    // (a refused password before the next attempt). The front end looks the
    // text up; the default shows nothing.
    virtual void inform(const Outcome& message) { (void)message; }
};
