// qav dump FILE [--json]: every section and record of a codeplug file,
// raw bytes and named fields.
#include <CLI/CLI.hpp>
#include <memory>

#include "cli/CliContext.h"
#include "cli/CodeplugDump.h"
#include "cli/CodeplugLoad.h"
#include "cli/TextOut.h"
#include "cli/VerbKit.h"
#include "cli/Verbs.h"
#include "model/CCodeplugData.h"
#include "settings/LanguageFile.h"
#include "settings/ProgramDirectory.h"

namespace {

void runDump(CliContext& ctx, const FileOptions& opt)
{
    auto store = std::make_unique<CCodeplugData>();
    LoadedCodeplug loaded;
    std::string reason;
    if (!loadCodeplugFile(opt.file, *store, loaded, reason)) {
        ctx.fail("dump", opt.file + ": " + reason);
        return;
    }
    if (opt.json) {
        nlohmann::ordered_json j{{"file", opt.file}, {"header", headerJson(loaded.header)},
                                 {"information", loaded.info}, {"image_bytes", loaded.imageBytes}};
        // Option values are named with the English texts, whatever the
        // program's language, so scripts can rely on them.
        LanguageFile english;
        english.load(withTrailingSlash(ctx.home.empty() ? programDirectory() : ctx.home) + "QAV_E.lng");
        j.update(codeplugJson(*store, [&english](int list, int value) { return english.textForValue(list, value); }));
        ctx.out << jsonText(j) << '\n';
        return;
    }
    const CodeplugHeaderFields f = readHeaderFields(loaded.header);
    ctx.out << "# " << printable(opt.file) << ": " << printable(f.modelName) << " (" << printable(f.modelId) << "), "
            << f.lowMHz << " - " << f.highMHz << "MHz, firmware " << printable(f.firmware) << '\n';
    printDump(ctx.out, *store);
}

}  // namespace

void addDumpVerb(CLI::App& app, CliContext& ctx)
{
    addFileVerb(app, ctx, "dump", "show every section of a codeplug file, record by record", "codeplug file",
                "print the sections as JSON (option values as numbers, with their English texts)", runDump);
}
