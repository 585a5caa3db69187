#include "app/OutcomeText.h"

#include "settings/TextFormat.h"

std::string OutcomeText::oneLine() const
{
    std::string line = text;
    for (std::size_t i = 0; i < details.size(); ++i) line += (i == 0 ? " (" : ": ") + details[i];
    if (!details.empty()) line += ")";
    return line;
}

OutcomeText outcomeText(const Outcome& outcome, const std::function<std::string(int)>& message)
{
    OutcomeText shown;
    if (outcome.message == 0) return shown;
    const std::string pattern = message ? message(outcome.message) : std::string();
    std::size_t used = 0;
    if (pattern.empty())
        shown.text = "Message " + std::to_string(outcome.message);
    else
        shown.text = formatText(pattern, outcome.args, &used);
    for (std::size_t i = used; i < outcome.args.size(); ++i)
        if (!outcome.args[i].empty()) shown.details.push_back(outcome.args[i]);
    return shown;
}
