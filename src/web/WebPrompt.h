#pragma once
// The page's answers to the core's questions. The page asks its user before
// it replaces a codeplug and before a transfer, so the procedures get their
// answers from here: every confirmation is yes, and the radio's password is
// the one the page put in its field. A password the radio refuses is not
// tried again: the transfer fails and the page says so.
#include "settings/Prompt.h"

#include <string>

class WebPrompt : public IPrompt {
public:
    void setPassword(std::string digits) { password_ = std::move(digits); }

    bool confirm(int, const std::string&, PromptButtons) override { return true; }
    std::optional<std::string> askPassword(int attempt) override
    {
        if (attempt > 1 || password_.empty()) return std::nullopt;
        return password_;
    }
    SaveChoice askSaveChanges(int, const std::string&) override { return SaveChoice::Discard; }

private:
    std::string password_;
};
