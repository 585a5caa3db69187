// qav repack FILE -o OUT: the round trip through the sections. The image is
// unpacked and packed again and written with the same header and
// information text.
#include <CLI/CLI.hpp>
#include <memory>

#include "cli/CliContext.h"
#include "cli/CodeplugLoad.h"
#include "cli/TextOut.h"
#include "cli/Verbs.h"
#include "model/CCodeplugData.h"
#include "model/CodeplugFile.h"

namespace {

struct RepackOptions {
    std::string file;
    std::string out;
};

void runRepack(CliContext& ctx, const RepackOptions& opt)
{
    auto store = std::make_unique<CCodeplugData>();
    LoadedCodeplug loaded;
    std::string reason;
    if (!loadCodeplugFile(opt.file, *store, loaded, reason)) {
        ctx.fail("repack", opt.file + ": " + reason);
        return;
    }
    store->pack();
    CCodeplugFile file;
    file.setHeader(loaded.header);  // read with its tag checked, so accepted
    if (!ctx.check("repack", file.write(opt.out, loaded.info, store->image(), CCodeplugFile::EmptyInfo::WriteEmpty)))
        return;
    ctx.out << "repacked " << printable(opt.file) << " to " << printable(opt.out) << '\n';
}

}  // namespace

void addRepackVerb(CLI::App& app, CliContext& ctx)
{
    auto opt = std::make_shared<RepackOptions>();
    CLI::App* sub = app.add_subcommand("repack", "unpack and pack a codeplug file, writing the result to OUT");
    sub->add_option("FILE", opt->file, "codeplug file to read")->required();
    sub->add_option("-o,--output", opt->out, "codeplug file to write")->required();
    sub->callback([&ctx, opt] { runRepack(ctx, *opt); });
}
