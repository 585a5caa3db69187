// qav write [--port P] FILE [--password DIGITS] [--trace FILE]: Open FILE,
// validate it and Write to Radio: the user areas of the image, then the
// programming stamp.
#include "cli/CliContext.h"
#include "cli/RadioCli.h"
#include "cli/TextOut.h"
#include "cli/Verbs.h"
#include "settings/TextIds.h"

#include <CLI/CLI.hpp>

namespace {

struct WriteOptions {
    RadioOptions radio;
    std::string file;
};

void runWrite(CliContext& ctx, const WriteOptions& opt)
{
    RadioCliSession session(ctx, opt.radio);
    if (!session.ready("write")) return;
    if (!session.check("write", session.document().open(opt.file))) return;
    session.simulateCurrentModel();
    Outcome r = session.commands().runWrite(session.context());
    if (r.message == MsgId::kInvalidValues) session.listInvalidValues("write");
    if (!session.check("write", r)) return;
    ctx.out << "wrote " << printable(opt.file) << " to the radio on port " << printable(session.context().port)
            << '\n';
}

}  // namespace

void addWriteVerb(CLI::App& app, CliContext& ctx)
{
    auto opt = std::make_shared<WriteOptions>();
    CLI::App* sub = app.add_subcommand("write", "write a codeplug file to the radio");
    sub->add_option("FILE", opt->file, "codeplug file")->required();
    addRadioOptions(*sub, opt->radio);
    sub->callback([&ctx, opt] { runWrite(ctx, *opt); });
}
