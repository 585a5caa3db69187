#pragma once
// How a verb is added: a struct of its options, a function that declares
// them on its subcommand, and its body. Every verb registers the same way,
// so a verb file holds only what is its own.
#include <CLI/CLI.hpp>

#include <functional>
#include <memory>
#include <string>

struct CliContext;
class RadioCliSession;

template <class Options, class Declare, class Run>
void addVerb(CLI::App& app, CliContext& ctx, const char* name, const char* description, Declare declare, Run run)
{
    auto opt = std::make_shared<Options>();
    CLI::App* sub = app.add_subcommand(name, description);
    declare(*sub, *opt);
    sub->callback([&ctx, opt, run] { run(ctx, *opt); });
}

// A verb on one codeplug file (FILE, described by `fileHelp`), with --json
// when `jsonHelp` is not null.
struct FileOptions {
    std::string file;
    bool json = false;
};
void addFileVerb(CLI::App& app, CliContext& ctx, const char* name, const char* description, const char* fileHelp,
                 const char* jsonHelp, void (*run)(CliContext&, const FileOptions&));

// A verb on two files, each argument given by its CLI11 name ("A",
// "-o,--output") and its help.
struct TwoFileOptions {
    std::string first;
    std::string second;
};
struct FileArgument {
    const char* name;
    const char* help;
};
void addTwoFileVerb(CLI::App& app, CliContext& ctx, const char* name, const char* description, FileArgument first,
                    FileArgument second, void (*run)(CliContext&, const TwoFileOptions&));

// The codeplug file a radio verb takes: none, one to open first (FILE), or
// one to write (-o).
enum class RadioFile { None, Open, Output };

// A radio verb: --port, --password and --trace, its codeplug file, and a
// body that runs on a session that is ready (trace file open, FILE opened,
// the in-process simulated radio made the current model when there is a
// file). `file` is the FILE or -o argument.
using RadioVerbBody = std::function<void(CliContext& ctx, RadioCliSession& session, const std::string& file)>;
void addRadioVerb(CLI::App& app, CliContext& ctx, const char* name, const char* description, RadioFile file,
                  RadioVerbBody body);
