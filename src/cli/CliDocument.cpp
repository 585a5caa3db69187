#include "cli/CliDocument.h"

#include "cli/CliContext.h"
#include "settings/ProgramDirectory.h"

namespace {
std::string homeDir(const std::string& home) { return withTrailingSlash(home.empty() ? programDirectory() : home); }
}  // namespace

CliDocument::CliDocument(const std::string& home)
    : settings(homeDir(home)), doc(settings, store, prompt, observer)
{
    settings.loadStartupLanguage();
    doc.recentFiles() = RecentFiles();
}

std::string CliDocument::messageText(const Outcome& outcome) const
{
    std::string text = settings.message(outcome.message);
    if (text.empty()) text = "message " + std::to_string(outcome.message);
    std::string details;
    for (const std::string& arg : outcome.args) {
        if (arg.empty()) continue;
        details += details.empty() ? arg : ": " + arg;
    }
    return details.empty() ? text : text + " (" + details + ")";
}

bool CliDocument::check(CliContext& ctx, const std::string& verb, const Outcome& outcome) const
{
    if (outcome.ok) return true;
    ctx.fail(verb, outcome.message == 0 ? std::string("cancelled") : messageText(outcome));
    return false;
}

std::string CliDocument::optionText(int listId, int value) const
{
    if (listId == 0) return {};
    return settings.textForValue(listId, value);
}
