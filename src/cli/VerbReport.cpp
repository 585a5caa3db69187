// qav report FILE [--sections LIST] [--format text|html] [-o OUT]: the
// printed report of a codeplug file, the same rows the desktop program
// prints, as an aligned text table or an HTML document.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <memory>

#include "app/ReportFormat.h"
#include "app/ReportSections.h"
#include "cli/CliContext.h"
#include "cli/CliDocument.h"
#include "cli/TextOut.h"
#include "cli/VerbKit.h"
#include "cli/Verbs.h"
#include "settings/FileIO.h"

namespace {

struct ReportOptions {
    std::string file;
    std::string sections;
    std::string format = "text";
    std::string output;
    int language = -1;  // index in the language files' LanguageList; -1: Settings.ini's
};

void runReport(CliContext& ctx, const ReportOptions& opt)
{
    auto d = std::make_unique<CliDocument>(ctx.home);
    if (opt.language >= 0 && (!d->settings.selectLanguage(opt.language) || d->settings.languageIndex() != opt.language)) {
        ctx.fail("report", "no language file for language " + std::to_string(opt.language));
        return;
    }
    if (!d->check(ctx, "report", d->doc.open(opt.file))) return;
    // The list was checked when the command line was read.
    const std::vector<int> ids = parseSectionList(opt.sections).value_or(std::vector<int>{});
    const ReportSource source{d->root.store(), d->settings.language(), d->settings.model(),
                              d->settings.firmwareVersion()};
    const ReportRows rows = buildReport(source, ids);
    const std::string text = opt.format == "html" ? reportAsHtml(rows, opt.file) : reportAsText(rows);
    if (opt.output.empty()) {
        ctx.out << text;
        return;
    }
    // Writing the report over the codeplug it was made from would lose the codeplug.
    std::error_code ec;
    if (std::filesystem::equivalent(opt.file, opt.output, ec)) {
        ctx.fail("report", opt.output + ": is the codeplug file itself; choose another name for the report");
        return;
    }
    std::string error;
    if (!writeFileAtomically(opt.output, text, &error)) ctx.fail("report", error);
}

}  // namespace

void addReportVerb(CLI::App& app, CliContext& ctx)
{
    static const std::string sectionsHelp =
        "sections to print, comma-separated ids or names (default: all): " + sectionListHelp();
    auto declare = [](CLI::App& sub, ReportOptions& o) {
        sub.add_option("FILE", o.file, "codeplug file")->required();
        sub.add_option("--sections", o.sections, sectionsHelp)->check([](const std::string& list) {
            std::string unknown;
            if (parseSectionList(list, &unknown)) return std::string();
            return "unknown section \"" + unknown + "\"; valid: " + sectionListHelp();
        });
        sub.add_option("--format", o.format, "text (aligned columns, the default) or html")
            ->check(CLI::IsMember({"text", "html"}));
        sub.add_option("-o,--output", o.output, "write the report to this file instead of standard output");
        sub.add_option("--language", o.language,
                       "print in this language: its index in LanguageList (0 English, 1 Chinese); "
                       "default: the language of Settings.ini")
            ->check(CLI::NonNegativeNumber);
    };
    addVerb<ReportOptions>(app, ctx, "report", "print the codeplug report of a file as text or HTML", declare,
                           runReport);
}
