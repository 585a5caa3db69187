// qav diff A B: the header fields, sections and fields that differ between
// two codeplug files, then the image bytes that differ. Exit status 0 when
// both files were read (whether or not they differ).
#include <CLI/CLI.hpp>
#include <memory>

#include "cli/CliContext.h"
#include "cli/CliDocument.h"
#include "cli/CodeplugDiff.h"
#include "cli/TextOut.h"
#include "cli/VerbKit.h"
#include "cli/Verbs.h"

namespace {

void runDiff(CliContext& ctx, const TwoFileOptions& opt)
{
    auto d = std::make_unique<CliDocument>(ctx.home);  // for the option texts
    auto a = std::make_unique<CCodeplugData>();
    auto b = std::make_unique<CCodeplugData>();
    LoadedCodeplug fa, fb;
    std::string reason;
    if (!loadCodeplugFile(opt.first, *a, fa, reason)) return ctx.fail("diff", opt.first + ": " + reason);
    if (!loadCodeplugFile(opt.second, *b, fb, reason)) return ctx.fail("diff", opt.second + ": " + reason);
    const auto lines = codeplugDifferences({a.get(), &fa}, {b.get(), &fb},
                                           [&d](int list, int value) { return d->optionText(list, value); });
    for (const std::string& line : lines) ctx.out << line << '\n';
    if (lines.empty()) ctx.out << "no differences\n";
}

}  // namespace

void addDiffVerb(CLI::App& app, CliContext& ctx)
{
    addTwoFileVerb(app, ctx, "diff", "show what differs between two codeplug files", {"A", "first codeplug file"},
                   {"B", "second codeplug file"}, runDiff);
}
