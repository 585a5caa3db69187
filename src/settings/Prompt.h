#pragma once
// Questions that a core procedure must put to the user go through this
// interface: dialogs in the desktop program, flags or a terminal prompt in
// the command-line tool, scripted answers in tests.
#include "settings/Outcome.h"

#include <optional>
#include <string>

enum class PromptButtons { OkCancel, YesNo };

// The answers to "save the changes first?".
enum class SaveChoice { Save, Discard, Cancel };

// What the save dialog shows about the codeplug, and what the user chose.
struct FileIdentity {
    std::string modelName;
    std::string freqRange;  // "%d - %dMHz"
    std::string firmware;
};
struct SaveTarget {
    std::string path;
    std::string info;  // file-information text; empty keeps an existing file's text
};

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

    // Save As: asks for the file to write (starting at `currentPath`) and its
    // information text; nullopt when the user cancels. Front ends without a
    // way to ask keep this default, which cancels.
    virtual std::optional<SaveTarget> askSaveTarget(const std::string& currentPath, const FileIdentity& shown)
    {
        (void)currentPath;
        (void)shown;
        return std::nullopt;
    }

    // Before a command replaces or closes a codeplug that changed since it
    // was saved: save it first, drop the changes, or keep it and stop the
    // command. Front ends without a way to ask keep this default, which
    // stops the command, so no change is ever dropped unasked.
    virtual SaveChoice askSaveChanges(int messageId, const std::string& text)
    {
        (void)messageId;
        (void)text;
        return SaveChoice::Cancel;
    }
};
