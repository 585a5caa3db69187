#pragma once
// The result of a core operation. The core never shows anything: it says
// whether it worked and, when not, which language string the front end
// should show (with its format arguments). 0 means "nothing to show".
#include <string>
#include <utility>
#include <vector>

struct Outcome {
    bool ok = true;
    int message = 0;
    std::vector<std::string> args;

    static Outcome success() { return {}; }
    static Outcome failure(int message, std::vector<std::string> args = {})
    {
        return Outcome{false, message, std::move(args)};
    }
    explicit operator bool() const { return ok; }
};
