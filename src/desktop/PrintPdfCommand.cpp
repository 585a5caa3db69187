#include "desktop/PrintPdfCommand.h"

#include "app/AppRoot.h"
#include "app/DocumentService.h"
#include "app/RecentFiles.h"
#include "app/ReportSections.h"
#include "controls/SettingsLanguageSource.h"
#include "print/CReportPrinter.h"
#include "settings/Prompt.h"
#include "settings/SettingsManager.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include <cstdio>
#include <cstring>

namespace {

// Nothing is asked without a window: every question takes its default.
class QuietPrompt : public IPrompt {
public:
    bool confirm(int, const std::string&, PromptButtons) override { return true; }
    std::optional<std::string> askPassword(int) override { return std::nullopt; }
};

int failed(const std::string& text)
{
    std::fprintf(stderr, "qav-cps: %s\n", text.c_str());
    return 1;
}

}  // namespace

bool wantsPrintPdf(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--print-pdf") == 0) return true;
    return false;
}

int runPrintPdf(const QString& file, const QString& output, const QString& sections)
{
    std::string unknown;
    const std::optional<std::vector<int>> ids = parseSectionList(sections.toStdString(), &unknown);
    if (!ids) {
        std::fprintf(stderr, "qav-cps: unknown section \"%s\"; valid: %s\n", unknown.c_str(), sectionListHelp().c_str());
        return 2;
    }

    // Writing the report over the codeplug it was made from would lose the codeplug.
    const QFileInfo in(file), out(output);
    if (out.exists() && in.exists() && in.canonicalFilePath() == out.canonicalFilePath())
        return failed(output.toStdString() + ": is the codeplug file itself; choose another name for the PDF");

    AppRoot root;
    QuietPrompt prompt;
    root.compose(prompt);
    CSettingsManager& settings = root.settings();
    settings.loadStartupLanguage();
    // A PDF made from a script leaves the recent-file list alone.
    root.document().recentFiles() = RecentFiles();
    const std::string path = QFileInfo(file).absoluteFilePath().toStdString();
    const Outcome opened = root.document().open(path);
    if (!opened.ok) return failed(path + ": " + root.text(opened).oneLine());

    SettingsLanguageSource texts(settings);
    CReportPrinter::Hooks hooks;
    hooks.source = [&root, &settings]() -> std::optional<ReportSource> {
        return ReportSource{root.store(), settings.language(), settings.model(), settings.firmwareVersion()};
    };
    hooks.title = [path] { return QString::fromStdString(path); };
    CReportPrinter printer(texts, std::move(hooks), nullptr);
    printer.printer().setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QString error;
    if (!printer.writePdf(output, *ids, &error)) return failed(error.toStdString());
    return 0;
}
