#include "cli/CliContext.h"

#include "app/OutcomeText.h"
#include "settings/Outcome.h"

void CliContext::fail(const std::string& verb, const std::string& text)
{
    err << "qav " << verb << ": " << text << '\n';
    status = ExitStatus::kFailed;
}

bool CliContext::check(const std::string& verb, const Outcome& outcome, const OutcomeText& text)
{
    if (outcome.ok) return true;
    fail(verb, outcome.message == 0 ? std::string("cancelled") : text.oneLine());
    return false;
}
