// qav write-tune [--port P] FILE [--trace FILE]: Open FILE and Write Tune
// Data: its tune-data section (image 5667-6198) in 17 blocks.
#include "cli/CliContext.h"
#include "cli/RadioCli.h"
#include "cli/TextOut.h"
#include "cli/VerbKit.h"
#include "cli/Verbs.h"

namespace {

void runWriteTune(CliContext& ctx, RadioCliSession& session, const std::string& file)
{
    SessionContext& sc = session.context();
    CRadioLink link(sc.ports, sc.timing);
    Outcome r = session.commands().runWriteTuneData(link, sc);
    if (!session.check("write-tune", r)) return;
    ctx.out << session.text(r) << " (" << printable(file) << ", port " << printable(sc.port) << ")\n";
}

}  // namespace

void addWriteTuneVerb(CLI::App& app, CliContext& ctx)
{
    addRadioVerb(app, ctx, "write-tune", "write the tune data of a codeplug file to the radio", RadioFile::Open,
                 runWriteTune);
}
