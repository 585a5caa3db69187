// qav read [--port P] -o FILE [--password DIGITS] [--trace FILE]: Read from
// Radio, then save the codeplug to FILE. Nothing is written unless the
// whole image arrived.
#include "cli/CliContext.h"
#include "cli/RadioCli.h"
#include "cli/TextOut.h"
#include "cli/VerbKit.h"
#include "cli/Verbs.h"
#include "model/CCodeplugData.h"
#include "model/CodeplugFile.h"

void runReadBody(CliContext& ctx, RadioCliSession& session, const std::string& out)
{
    const Outcome r = session.commands().runRead(session.context());
    session.reportBackup("read");
    if (!session.check("read", r)) return;

    // What the radio holds is saved even when some of its values are out
    // of range (a backup must not be refused); they are listed instead.
    if (session.document().validate() != 0) session.listInvalidValues("read");
    CCodeplugData& store = session.store();
    store.pack();
    CCodeplugFile file;
    file.setHeader(session.document().currentHeader());
    if (!session.check("read", file.write(out, "", store.image(), CCodeplugFile::EmptyInfo::WriteEmpty))) return;
    const CSettingsManager& s = session.settings();
    ctx.out << "read " << printable(s.modelName()) << " (" << printable(s.modelId()) << "), " << s.freqRange()
            << "MHz, firmware " << printable(s.firmwareVersion()) << " on port "
            << printable(session.context().port) << " into " << printable(out) << '\n';
}

void addReadVerb(CLI::App& app, CliContext& ctx)
{
    addRadioVerb(app, ctx, "read", "read the codeplug from the radio and save it to a file", RadioFile::Output, runReadBody);
}
