#pragma once
// The little the command-line tool asks of the console it runs in.
#include <optional>
#include <ostream>
#include <string>

// Whether standard input / standard error is an interactive terminal.
bool stdinIsTerminal();
bool stderrIsTerminal();

// Asks `question` on `err` and reads one line from standard input without
// echoing it (a password); nullopt at end of input.
std::optional<std::string> readSecret(std::ostream& err, const std::string& question);
