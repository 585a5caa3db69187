#include "cli/Terminal.h"

#include <iostream>
#include <termios.h>
#include <unistd.h>

bool stdinIsTerminal() { return isatty(STDIN_FILENO) != 0; }

bool stderrIsTerminal() { return isatty(STDERR_FILENO) != 0; }

std::optional<std::string> readSecret(std::ostream& err, const std::string& question)
{
    err << question << std::flush;
    termios old{};
    const bool tty = tcgetattr(STDIN_FILENO, &old) == 0;
    if (tty) {
        termios quiet = old;
        quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    std::string line;
    const bool got = static_cast<bool>(std::getline(std::cin, line));
    if (tty) tcsetattr(STDIN_FILENO, TCSANOW, &old);
    err << '\n';
    if (!got) return std::nullopt;
    return line;
}
