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

struct RepackOptions {
    std::string file;
    std::string out;
};

void runRepack(CliContext& ctx, const RepackOptions& opt)
{
    auto d = std::make_unique<CliDocument>(ctx.home);
    if (!d->check(ctx, "repack", d->doc.open(opt.file))) return;
    std::string info;
    CCodeplugFile::readFileInformation(opt.file, info);  // a file may have none
    if (!d->check(ctx, "repack", d->doc.saveAs(opt.out, info))) return;
    ctx.out << "repacked " << printable(opt.file) << " to " << printable(opt.out) << '\n';
}

}  // namespace

void addRepackVerb(CLI::App& app, CliContext& ctx)
{
    auto declare = [](CLI::App& sub, RepackOptions& o) {
        sub.add_option("FILE", o.file, "codeplug file to read")->required();
        sub.add_option("-o,--output", o.out, "codeplug file to write")->required();
    };
    addVerb<RepackOptions>(app, ctx, "repack", "open a codeplug file and save it again as OUT", declare, runRepack);
}
