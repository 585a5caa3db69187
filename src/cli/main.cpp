// qav: the command-line tool. Everything but this entry point is in the
// qav_cli library, where the tests drive it.
#include <iostream>
#include <string>
#include <vector>

#include "cli/QavTool.h"

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return runQav(args, std::cout, std::cerr, executableFolder());
}
