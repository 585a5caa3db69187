// qav backups [list | show N | restore N -o FILE]: the images kept from
// every read and write, newest first.
#include <CLI/CLI.hpp>
#include <memory>

#include "app/AppRoot.h"
#include "app/BackupStore.h"
#include "cli/CliContext.h"
#include "cli/CliDocument.h"
#include "cli/TextOut.h"
#include "cli/VerbKit.h"
#include "cli/Verbs.h"
#include "model/CodeplugFile.h"
#include "settings/FileIO.h"

namespace {

struct BackupOptions {
    std::string action = "list";
    int number = 0;
    std::string output;
};

void runBackups(CliContext& ctx, const BackupOptions& opt)
{
    auto d = std::make_unique<CliDocument>(ctx.home);
    const BackupStore& store = d->root.backups();
    const std::vector<BackupEntry> all = store.list();
    if (opt.action == "list") {
        if (all.empty()) ctx.out << "no backups in " << printable(store.directory()) << '\n';
        for (std::size_t i = 0; i < all.size(); ++i)
            ctx.out << i + 1 << "  " << all[i].time << "  " << all[i].kind << "  " << printable(all[i].serial) << "  "
                    << printable(all[i].path) << '\n';
        return;
    }
    if (opt.number < 1 || static_cast<std::size_t>(opt.number) > all.size()) {
        ctx.fail("backups", "there is no backup " + std::to_string(opt.number) + " (" + std::to_string(all.size()) +
                                " kept; see qav backups list)");
        return;
    }
    const BackupEntry& e = all[static_cast<std::size_t>(opt.number - 1)];
    if (opt.action == "show") {
        CodeplugHeader h{};
        std::string info, reason;
        if (!CCodeplugFile::readHeader(e.path, h, &reason)) {
            ctx.fail("backups", e.path + ": " + reason);
            return;
        }
        CCodeplugFile::readFileInformation(e.path, info);
        const CodeplugHeaderFields f = readHeaderFields(h);
        ctx.out << "file: " << printable(e.path) << "\ntime: " << e.time << "\ndirection: " << e.kind
                << "\nserial number: " << printable(e.serial) << "\nmodel: " << printable(f.modelName) << " ("
                << printable(f.modelId) << "), " << f.lowMHz << "-" << f.highMHz << "MHz, firmware "
                << printable(f.firmware) << "\ninformation: " << printable(info) << '\n';
        return;
    }
    // restore: the backup as it was kept, byte for byte.
    std::string bytes, reason;
    if (opt.output.empty()) {
        ctx.fail("backups", "restore needs -o FILE");
        return;
    }
    if (!readWholeFile(e.path, bytes, CodeplugFormat::kMaxInfoBytes + 65536) ||
        !writeFileAtomically(opt.output, bytes, &reason)) {
        ctx.fail("backups", reason.empty() ? e.path + ": cannot be read" : reason);
        return;
    }
    ctx.out << "restored backup " << opt.number << " (" << e.time << ", " << e.kind << ", " << printable(e.serial)
            << ") to " << printable(opt.output) << '\n';
}

}  // namespace

void addBackupsVerb(CLI::App& app, CliContext& ctx)
{
    addVerb<BackupOptions>(
        app, ctx, "backups", "list, show or restore the images kept from radio reads and writes",
        [](CLI::App& sub, BackupOptions& o) {
            sub.add_option("ACTION", o.action, "list (default), show N or restore N -o FILE")
                ->check(CLI::IsMember({"list", "show", "restore"}));
            sub.add_option("N", o.number, "backup number from the list (1 = newest)");
            sub.add_option("-o,--output", o.output, "codeplug file to write (restore)");
        },
        runBackups);
}
