// qav repack FILE -o OUT: Open, then Save As to OUT: the round trip through
// the sections. Open checks the model identifier and the firmware version
// as the desktop program does; Save As validates, packs, rebuilds the
// header from the model values the file brought and keeps its information
// text.
#include <CLI/CLI.hpp>
#include <memory>

#include "cli/CliContext.h"
#include "cli/CliDocument.h"
#include "cli/TextOut.h"
#include "cli/VerbKit.h"
#include "cli/Verbs.h"
#include "model/CodeplugFile.h"

namespace {

void runRepack(CliContext& ctx, const TwoFileOptions& opt)
{
    const std::string& file = opt.first;
    const std::string& out = opt.second;
    auto d = std::make_unique<CliDocument>(ctx.home);
    if (!d->check(ctx, "repack", d->doc.open(file))) return;
    std::string info;
    CCodeplugFile::readFileInformation(file, info);  // a file may have none
    if (!d->check(ctx, "repack", d->doc.saveAs(out, info))) return;
    ctx.out << "repacked " << printable(file) << " to " << printable(out) << '\n';
}

}  // namespace

void addRepackVerb(CLI::App& app, CliContext& ctx)
{
    addTwoFileVerb(app, ctx, "repack", "open a codeplug file and save it again as OUT",
                   {"FILE", "codeplug file to read"}, {"-o,--output", "codeplug file to write"}, runRepack);
}
