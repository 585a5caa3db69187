#include "cli/QavTool.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdlib>
#include <exception>

#include "cli/CliContext.h"
#include "cli/Verbs.h"
#include "settings/ProgramDirectory.h"

int runQav(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const std::string& programDir)
{
    CliContext ctx{out, err, programDir};
    if (const char* env = std::getenv("QAV_HOME"); env && *env) ctx.home = env;

    CLI::App app{"qav: programming software for analogue hand-held radios, command-line tool", "qav"};
    app.require_subcommand(1);
    // On Windows CLI11 would take "/tmp/x.qav" for an option "/tmp".
    app.allow_windows_style_options(false);
    app.fallthrough();
    CLI::Option* home = app.add_option("--home", ctx.home, "program directory (data files, default codeplugs)");
    // Runs before the verb: whatever a verb reads through the settings then
    // comes from the same program directory.
    app.parse_complete_callback([&ctx, home] {
        if (home->count() > 0) setProgramDirectoryOverride(ctx.home);
    });
    addAllVerbs(app, ctx);

    // CLI11 wants the arguments in reverse order, without the program name.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e, out, err);
        return code == 0 ? ExitStatus::kOk : ExitStatus::kBadUsage;
    } catch (const std::exception& e) {
        // A fault of ours must still end with a message, not an abort.
        err << "qav: internal error: " << e.what() << '\n';
        return ExitStatus::kFailed;
    }
    return ctx.status;
}

std::string executableFolder()
{
    std::string dir = executableDirectory();
    if (dir.empty() || dir == "./" || dir == ".\\") return {};
    return dir.substr(0, dir.size() - 1);
}
