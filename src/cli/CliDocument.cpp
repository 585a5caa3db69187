#include "cli/CliDocument.h"

#include "cli/CliContext.h"
#include "settings/ProgramDirectory.h"

namespace {

std::string homeDir(const std::string& home) { return home.empty() ? programDirectory() : home; }

DocumentService& composed(AppRoot& root, IPrompt& prompt)
{
    root.compose(prompt);
    return root.document();
}

}  // namespace

CliDocument::CliDocument(const std::string& home)
    : root(homeDir(home)), settings(root.settings()), doc(composed(root, prompt))
{
    settings.loadStartupLanguage();
    doc.recentFiles() = RecentFiles();
}

bool CliDocument::check(CliContext& ctx, const std::string& verb, const Outcome& outcome) const
{
    return ctx.check(verb, outcome, root.text(outcome));
}

std::string CliDocument::optionText(int listId, int value) const
{
    if (listId == 0) return {};
    return settings.textForValue(listId, value);
}
