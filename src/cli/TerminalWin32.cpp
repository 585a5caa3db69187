#include "cli/Terminal.h"

#include <windows.h>

#include <iostream>

namespace {

// A console handle answers GetConsoleMode; a pipe or a file does not.
bool isConsole(DWORD which)
{
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(which), &mode) != 0;
}

}  // namespace

bool stdinIsTerminal() { return isConsole(STD_INPUT_HANDLE); }

bool stderrIsTerminal() { return isConsole(STD_ERROR_HANDLE); }

std::optional<std::string> readSecret(std::ostream& err, const std::string& question)
{
    err << question << std::flush;
    HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    DWORD old = 0;
    const bool console = GetConsoleMode(in, &old) != 0;
    if (console) SetConsoleMode(in, old & ~static_cast<DWORD>(ENABLE_ECHO_INPUT));
    std::string line;
    const bool got = static_cast<bool>(std::getline(std::cin, line));
    if (console) SetConsoleMode(in, old);
    err << '\n';
    if (!got) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}
