#pragma once
// The verbs of the command-line tool. Each lives in its own VerbXxx.cpp and
// registers its subcommand here; a new verb adds one declaration below and
// one line to addAllVerbs (Verbs.cpp).
namespace CLI {
class App;
}
struct CliContext;

void addNewVerb(CLI::App& app, CliContext& ctx);
void addInfoVerb(CLI::App& app, CliContext& ctx);
void addDumpVerb(CLI::App& app, CliContext& ctx);
void addRepackVerb(CLI::App& app, CliContext& ctx);
void addValidateVerb(CLI::App& app, CliContext& ctx);
void addDiffVerb(CLI::App& app, CliContext& ctx);
void addDetectVerb(CLI::App& app, CliContext& ctx);
void addReadVerb(CLI::App& app, CliContext& ctx);
void addWriteVerb(CLI::App& app, CliContext& ctx);
void addWriteTuneVerb(CLI::App& app, CliContext& ctx);
void addSimVerb(CLI::App& app, CliContext& ctx);
void addReportVerb(CLI::App& app, CliContext& ctx);
void addJsonVerbs(CLI::App& app, CliContext& ctx);
void addCsvVerbs(CLI::App& app, CliContext& ctx);
void addMessageVerb(CLI::App& app, CliContext& ctx);
void addBackupsVerb(CLI::App& app, CliContext& ctx);
void addTuneVerb(CLI::App& app, CliContext& ctx);
void addFactoryVerb(CLI::App& app, CliContext& ctx);

void addAllVerbs(CLI::App& app, CliContext& ctx);
