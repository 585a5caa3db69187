#include "cli/VerbKit.h"

void addFileVerb(CLI::App& app, CliContext& ctx, const char* name, const char* description, const char* fileHelp,
                 const char* jsonHelp, void (*run)(CliContext&, const FileOptions&))
{
    auto declare = [fileHelp, jsonHelp](CLI::App& sub, FileOptions& o) {
        sub.add_option("FILE", o.file, fileHelp)->required();
        if (jsonHelp) sub.add_flag("--json", o.json, jsonHelp);
    };
    addVerb<FileOptions>(app, ctx, name, description, declare, run);
}

void addTwoFileVerb(CLI::App& app, CliContext& ctx, const char* name, const char* description, FileArgument first,
                    FileArgument second, void (*run)(CliContext&, const TwoFileOptions&))
{
    auto declare = [first, second](CLI::App& sub, TwoFileOptions& o) {
        sub.add_option(first.name, o.first, first.help)->required();
        sub.add_option(second.name, o.second, second.help)->required();
    };
    addVerb<TwoFileOptions>(app, ctx, name, description, declare, run);
}
