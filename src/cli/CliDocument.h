#pragma once
// The document procedures as the command-line tool runs them: the program's
// shared objects (settings of the program directory, a store of its own),
// a prompt that never asks (the tool takes its answers from the command
// line) and no windows. The recent-file list stays in memory, so scripted
// runs leave Settings.ini alone.
#include "app/AppRoot.h"
#include "app/DocumentService.h"
#include "model/CCodeplugData.h"
#include "settings/Prompt.h"
#include "settings/SettingsManager.h"

#include <string>

struct CliContext;

class CliPrompt : public IPrompt {
public:
    bool confirm(int, const std::string&, PromptButtons) override { return true; }
    std::optional<std::string> askPassword(int) override { return std::nullopt; }
};

class CliDocument {
public:
    explicit CliDocument(const std::string& home);

    CliPrompt prompt;
    AppRoot root;
    CSettingsManager& settings;
    DocumentService& doc;

    // Reports a failed outcome on stderr (status 1); returns outcome.ok.
    bool check(CliContext& ctx, const std::string& verb, const Outcome& outcome) const;
    // The option text of `value` in list `listId`; empty when there is none.
    std::string optionText(int listId, int value) const;
};
