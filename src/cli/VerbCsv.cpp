// qav export-csv FILE -o channels.csv and qav import-csv FILE channels.csv
// -o OUT: the channel list in the layout other radio programs exchange.
#include <CLI/CLI.hpp>
#include <memory>

#include "app/ChannelCsv.h"
#include "app/ChannelReplace.h"
#include "cli/CliContext.h"
#include "cli/CliDocument.h"
#include "cli/TextOut.h"
#include "cli/VerbKit.h"
#include "cli/Verbs.h"
#include "model/CodeplugFile.h"
#include "settings/FileIO.h"

namespace {

void runExport(CliContext& ctx, const TwoFileOptions& opt)
{
    auto d = std::make_unique<CliDocument>(ctx.home);
    if (!d->check(ctx, "export-csv", d->doc.open(opt.first))) return;
    const CsvExport csv = channelsToCsv(d->root.store());
    for (const std::string& w : csv.warnings) ctx.err << "qav export-csv: warning: " << printable(w) << '\n';
    std::string reason;
    if (!writeFileAtomically(opt.second, csv.text, &reason)) {
        ctx.fail("export-csv", reason);
        return;
    }
    ctx.out << "exported the channels of " << printable(opt.first) << " to " << printable(opt.second) << '\n';
}

struct ImportOptions {
    std::string file, csv, output;
};

void runImport(CliContext& ctx, const ImportOptions& opt)
{
    auto d = std::make_unique<CliDocument>(ctx.home);
    if (!d->check(ctx, "import-csv", d->doc.open(opt.file))) return;
    std::string text;
    if (!readWholeFile(opt.csv, text)) {
        ctx.fail("import-csv", opt.csv + ": cannot be read (missing, not a file, or larger than 16 MB)");
        return;
    }
    CCodeplugData& store = d->root.store();
    const CsvImport csv = channelsFromCsv(text, d->settings.model(), CCodeplugData::kEditorChannelLimit);
    for (const std::string& w : csv.warnings) ctx.err << "qav import-csv: warning: " << printable(opt.csv) << ": " << printable(w) << '\n';
    for (const std::string& e : csv.errors) ctx.err << "qav import-csv: " << printable(opt.csv) << ": " << printable(e) << '\n';
    if (!csv.ok) {
        ctx.fail("import-csv", opt.csv + ": refused; nothing was written");
        return;
    }
    for (const std::string& m : replaceChannels(store, csv.channels))
        ctx.err << "qav import-csv: warning: " << printable(m) << '\n';
    std::string info;
    CCodeplugFile::readFileInformation(opt.file, info);  // a file may have none
    if (!d->check(ctx, "import-csv", d->doc.saveAs(opt.output, info))) return;
    ctx.out << "imported " << csv.channels.size() << " channels from " << printable(opt.csv) << " into "
            << printable(opt.output) << '\n';
}

}  // namespace

void addCsvVerbs(CLI::App& app, CliContext& ctx)
{
    addTwoFileVerb(app, ctx, "export-csv", "write the channels of a codeplug file as CSV for other radio programs",
                   {"FILE", "codeplug file to read"}, {"-o,--output", "CSV file to write"}, runExport);
    addVerb<ImportOptions>(
        app, ctx, "import-csv", "replace the channels of a codeplug file with those of a CSV file",
        [](CLI::App& sub, ImportOptions& o) {
            sub.add_option("FILE", o.file, "codeplug file to start from")->required();
            sub.add_option("CSV", o.csv, "channel list (CSV)")->required();
            sub.add_option("-o,--output", o.output, "codeplug file to write")->required();
        },
        runImport);
}
