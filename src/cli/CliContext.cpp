#include "cli/CliContext.h"

#include "settings/Outcome.h"
#include "settings/TextIds.h"

namespace {

// Plain English for the message numbers the tool can meet, until the tool
// reads the language file.
std::string messageText(int message)
{
    switch (message) {
    case MsgId::kSaveFailed: return "file not written";
    case MsgId::kOpenUnreadable: return "file cannot be read";
    case MsgId::kRecentUnreadable: return "file cannot be read";
    case MsgId::kModelNotAccepted: return "model identifier not accepted";
    case MsgId::kInvalidValues: return "invalid values found";
    case MsgId::kOpenTooNew:
    case MsgId::kRecentTooNew: return "firmware newer than supported";
    case MsgId::kPortPermission:
        return "permission denied; add your user to the dialout group (sudo adduser $USER dialout), "
               "then log out and log in again";
    default: return "failed (message " + std::to_string(message) + ")";
    }
}

}  // namespace

void CliContext::fail(const std::string& verb, const std::string& text)
{
    err << "qav " << verb << ": " << text << '\n';
    status = ExitStatus::kFailed;
}

bool CliContext::check(const std::string& verb, const Outcome& outcome)
{
    if (outcome.ok) return true;
    std::string text = messageText(outcome.message);
    for (const std::string& arg : outcome.args) text += ": " + arg;
    fail(verb, text);
    return false;
}
