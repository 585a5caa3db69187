// qav read [--port P] -o FILE [--password DIGITS] [--trace FILE]: Read from
// Radio, then save the codeplug to FILE. Nothing is written unless the
// whole image arrived.
#include "cli/CliContext.h"
#include "cli/RadioCli.h"
#include "cli/TextOut.h"
#include "cli/Verbs.h"
#include "model/CCodeplugData.h"
#include "model/CodeplugFile.h"

#include <CLI/CLI.hpp>

namespace {

struct ReadOptions {
    RadioOptions radio;
    std::string out;
};

void runRead(CliContext& ctx, const ReadOptions& opt)
{
    RadioCliSession session(ctx, opt.radio);
    if (!session.ready("read")) return;
    session.simulateCurrentModel();
    if (!session.check("read", session.commands().runRead(session.context()))) return;

    // What the radio holds is saved even when some of its values are out
    // of range (a backup must not be refused); they are listed instead.
    if (session.document().validate() != 0) session.listInvalidValues("read");
    CCodeplugData& store = session.store();
    store.pack();
    CCodeplugFile file;
    file.setHeader(session.document().currentHeader());
    if (!session.check("read", file.write(opt.out, "", store.image(), CCodeplugFile::EmptyInfo::WriteEmpty))) return;
    const CSettingsManager& s = session.settings();
    ctx.out << "read " << printable(s.modelName()) << " (" << printable(s.modelId()) << "), " << s.freqRange()
            << "MHz, firmware " << printable(s.firmwareVersion()) << " on port "
            << printable(session.context().port) << " into " << printable(opt.out) << '\n';
}

}  // namespace

void addReadVerb(CLI::App& app, CliContext& ctx)
{
    auto opt = std::make_shared<ReadOptions>();
    CLI::App* sub = app.add_subcommand("read", "read the codeplug from the radio and save it to a file");
    sub->add_option("-o,--output", opt->out, "codeplug file to write")->required();
    addRadioOptions(*sub, opt->radio);
    sub->callback([&ctx, opt] { runRead(ctx, *opt); });
}
