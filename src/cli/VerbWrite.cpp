// qav write [--port P] FILE [--password DIGITS] [--trace FILE]: Open FILE,
// validate it and Write to Radio: the user areas of the image, then the
// programming stamp.
#include "cli/CliContext.h"
#include "cli/RadioCli.h"
#include "cli/TextOut.h"
#include "cli/VerbKit.h"
#include "cli/Verbs.h"
#include "settings/TextIds.h"

void runWriteBody(CliContext& ctx, RadioCliSession& session, const std::string& file)
{
    Outcome r = session.commands().runWrite(session.context());
    session.reportBackup("write");
    if (r.message == MsgId::kInvalidValues) session.listInvalidValues("write");
    if (!session.check("write", r)) return;
    ctx.out << "wrote " << printable(file) << " to the radio on port " << printable(session.context().port) << '\n';
}

void addWriteVerb(CLI::App& app, CliContext& ctx)
{
    addRadioVerb(app, ctx, "write", "write a codeplug file to the radio", RadioFile::Open, runWriteBody);
}
