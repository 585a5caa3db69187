// qav write-tune [--port P] FILE [--trace FILE]: Open FILE and Write Tune
// Data: its tune-data section (image 5667-6198) in 17 blocks.
#include "cli/CliContext.h"
#include "cli/RadioCli.h"
#include "cli/TextOut.h"
#include "cli/Verbs.h"

#include <CLI/CLI.hpp>

namespace {

struct WriteTuneOptions {
    RadioOptions radio;
    std::string file;
};

void runWriteTune(CliContext& ctx, const WriteTuneOptions& opt)
{
    RadioCliSession session(ctx, opt.radio);
    if (!session.ready("write-tune")) return;
    if (!session.check("write-tune", session.document().open(opt.file))) return;
    session.simulateCurrentModel();
    SessionContext& sc = session.context();
    CRadioLink link(sc.ports, sc.timing);
    Outcome r = session.commands().runWriteTuneData(link, sc);
    if (!session.check("write-tune", r)) return;
    ctx.out << session.text(r) << " (" << printable(opt.file) << ", port " << printable(sc.port) << ")\n";
}

}  // namespace

void addWriteTuneVerb(CLI::App& app, CliContext& ctx)
{
    auto opt = std::make_shared<WriteTuneOptions>();
    CLI::App* sub = app.add_subcommand("write-tune", "write the tune data of a codeplug file to the radio");
    sub->add_option("FILE", opt->file, "codeplug file")->required();
    addRadioOptions(*sub, opt->radio);
    sub->callback([&ctx, opt] { runWriteTune(ctx, *opt); });
}
