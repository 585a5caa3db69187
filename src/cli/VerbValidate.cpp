// qav validate FILE: Open, then the validation that guards every save and
// write. One line per invalid value (its label, a tab, where it is); exit
// status 1 when there is any.
#include <CLI/CLI.hpp>
#include <memory>

#include "cli/CliContext.h"
#include "cli/CliDocument.h"
#include "cli/TextOut.h"
#include "cli/VerbKit.h"
#include "cli/Verbs.h"

namespace {

void runValidate(CliContext& ctx, const FileOptions& opt)
{
    const std::string& path = opt.file;
    auto d = std::make_unique<CliDocument>(ctx.home);
    if (!d->check(ctx, "validate", d->doc.open(path))) return;
    const std::size_t count = d->doc.validate();
    for (const InvalidEntry& e : d->doc.invalidValues().entries())
        ctx.out << printable(e.label) << '\t' << printable(e.place) << '\n';
    if (count == 0) {
        ctx.out << printable(path) << ": no invalid values\n";
        return;
    }
    ctx.fail("validate", path + ": " + std::to_string(count) + (count == 1 ? " invalid value" : " invalid values"));
}

}  // namespace

void addValidateVerb(CLI::App& app, CliContext& ctx)
{
    addFileVerb(app, ctx, "validate", "list the invalid values of a codeplug file", "codeplug file to check", nullptr,
                runValidate);
}
