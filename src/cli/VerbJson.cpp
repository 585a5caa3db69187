// qav export-json FILE -o OUT.json and qav import-json IN.json -o OUT: the
// codeplug as JSON and back, byte for byte.
#include <CLI/CLI.hpp>

#include "cli/CliContext.h"
#include "cli/CodeplugParts.h"
#include "cli/TextOut.h"
#include "cli/VerbKit.h"
#include "cli/Verbs.h"
#include "settings/FileIO.h"
#include "settings/LanguageFile.h"

namespace {

void runExport(CliContext& ctx, const TwoFileOptions& opt)
{
    CodeplugContent content;
    bool completed = false;
    std::string reason;
    if (!readCodeplugParts(opt.first, content, completed, reason)) {
        ctx.fail("export-json", opt.first + ": " + reason);
        return;
    }
    if (completed)
        ctx.err << "qav export-json: warning: " << printable(opt.first)
                << ": the image block is short; the rest comes from the model's defaults\n";
    LanguageFile english;
    const std::string text = codeplugJsonText(codeplugToJson(content, englishOptionNames(ctx.home, english)));
    if (!writeFileAtomically(opt.second, text, &reason)) {
        ctx.fail("export-json", reason);
        return;
    }
    ctx.out << "exported " << printable(opt.first) << " to " << printable(opt.second) << '\n';
}

void runImport(CliContext& ctx, const TwoFileOptions& opt)
{
    std::string text, reason;
    if (!readWholeFile(opt.first, text)) {
        ctx.fail("import-json", opt.first + ": cannot be read (missing, not a file, or larger than 16 MB)");
        return;
    }
    const nlohmann::json j = nlohmann::json::parse(text, nullptr, false);
    if (j.is_discarded()) {
        ctx.fail("import-json", opt.first + ": not JSON");
        return;
    }
    LanguageFile english;
    const JsonImport imported = codeplugFromJson(j, englishOptionNames(ctx.home, english), defaultImageFor);
    for (const std::string& w : imported.warnings) ctx.err << "qav import-json: warning: " << printable(w) << '\n';
    for (const std::string& e : imported.errors) ctx.err << "qav import-json: " << printable(e) << '\n';
    if (!imported.ok) {
        ctx.fail("import-json", opt.first + ": " + std::to_string(imported.errors.size()) +
                                    " value(s) refused; nothing was written");
        return;
    }
    if (!writeCodeplugParts(opt.second, imported.content, reason)) {
        ctx.fail("import-json", reason);
        return;
    }
    ctx.out << "imported " << printable(opt.first) << " to " << printable(opt.second) << '\n';
}

}  // namespace

void addJsonVerbs(CLI::App& app, CliContext& ctx)
{
    addTwoFileVerb(app, ctx, "export-json", "write a codeplug file as JSON (every section and field by name)",
                   {"FILE", "codeplug file to read"}, {"-o,--output", "JSON file to write"}, runExport);
    addTwoFileVerb(app, ctx, "import-json", "make a codeplug file from a JSON export, checking every value",
                   {"FILE", "JSON file to read"}, {"-o,--output", "codeplug file to write"}, runImport);
}
