#pragma once
// What every verb of the command-line tool shares: the program directory,
// the output streams and the exit status. Verbs print their result to
// `out` and failures to `err`, never to the process streams, so the tests
// can run them in process.
#include <ostream>
#include <string>

struct Outcome;
struct OutcomeText;

namespace ExitStatus {
constexpr int kOk = 0;
constexpr int kFailed = 1;    // the operation failed; the reason is on stderr
constexpr int kBadUsage = 2;  // the command line was wrong
}  // namespace ExitStatus

struct CliContext {
    std::ostream& out;
    std::ostream& err;
    std::string home;  // program directory (--home, else $QAV_HOME, else the executable's folder)
    int status = ExitStatus::kOk;

    // Reports a failure of `verb` on stderr and sets the failed status.
    void fail(const std::string& verb, const std::string& text);

    // Reports a failed outcome (its text in the user's language, or
    // "cancelled" when it has none) the same way; returns the outcome's
    // success.
    bool check(const std::string& verb, const Outcome& outcome, const OutcomeText& text);
};
