#pragma once
// The one place an Outcome becomes words: its language string filled with
// its arguments, and the arguments the string has no place for (which file,
// and why) as details. The desktop program shows the two in a message box,
// the command-line tool on one line.
#include "settings/Outcome.h"

#include <functional>
#include <string>
#include <vector>

struct OutcomeText {
    std::string text;                  // empty for message 0 (nothing to show)
    std::vector<std::string> details;  // the arguments left over, none empty

    // "text (detail: detail)".
    std::string oneLine() const;
};

// `message` looks a language string up ("" when the language file lacks
// it: the number and the arguments are said instead).
OutcomeText outcomeText(const Outcome& outcome, const std::function<std::string(int)>& message);
