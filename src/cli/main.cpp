// qav: the command-line tool. Everything but this entry point is in the
// qav_cli library, where the tests drive it.
#include <iostream>
#include <string>
#include <vector>

#include "cli/QavTool.h"
#include "settings/ProgramDirectory.h"

namespace {

bool namesHome(const std::vector<std::string>& args)
{
    for (const std::string& a : args)
        if (a == "--home" || a.rfind("--home=", 0) == 0) return true;
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    // Beside the executable in the build tree, ../share/qav when installed.
    const ProgramDirectoryLookup where = locateProgramDirectory();
    if (!namesHome(args))
        if (const std::string problem = missingDataMessage(where); !problem.empty())
            std::cerr << "qav: warning: " << problem << '\n';
    return runQav(args, std::cout, std::cerr, where.dir);
}
