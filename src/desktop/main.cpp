// qav-cps: the desktop programming software.
#include "desktop/AppOptions.h"
#include "controls/ReadOnlyLook.h"
#include "desktop/CQAVApp.h"
#include "desktop/PrintPdfCommand.h"
#include "frame/ProgramIcon.h"
#include "model/CCodeplugData.h"
#include "settings/ProgramDirectory.h"
#include "settings/SettingsManager.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace {
constexpr const char* kVersion = "1.0.0";
}

int main(int argc, char** argv)
{
    // --help and --version are answered before any window system is
    // reached, so they work without a display.
    {
        QStringList raw;
        for (int i = 0; i < argc; ++i) raw << QString::fromLocal8Bit(argv[i]);
        const AppOptions early = AppOptions::parse(raw);
        if (early.help) {
            std::fputs(AppOptions::usage().toLocal8Bit().constData(), stdout);
            return 0;
        }
        if (early.version) {
            std::printf("qav-cps %s\n", kVersion);
            return 0;
        }
    }

    // A PDF needs no display: draw it on the offscreen platform unless
    // another one was chosen.
    if (wantsPrintPdf(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("qav-cps");
    QApplication::setOrganizationName("qav");
    QApplication::setApplicationVersion(kVersion);
    QApplication::setWindowIcon(programIcon());
    ReadOnlyLook::install();

    const AppOptions options = AppOptions::parse(QApplication::arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "qav-cps: %s\n%s", options.error.toLocal8Bit().constData(),
                     AppOptions::usage().toLocal8Bit().constData());
        return 2;
    }
    // The program directory must be known before the settings are read.
    if (!options.home.isEmpty()) setProgramDirectoryOverride(options.home.toStdString());
    // Without its data the program still starts, but with no texts and no
    // models: say so and how to mend it rather than leave an empty window.
    if (const std::string problem = missingDataMessage(locateProgramDirectory()); !problem.empty()) {
        if (options.printPdf) {
            std::fprintf(stderr, "qav-cps: %s\n", problem.c_str());
            return 1;
        }
        std::fprintf(stderr, "qav-cps: warning: %s\n", problem.c_str());
        QMessageBox::warning(nullptr, "qav-cps", QString::fromStdString(problem));
    }

    if (options.printPdf) return runPrintPdf(options.file, options.pdfOutput, options.sections);

    CSettingsManager& settings = CSettingsManager::instance();
    int status = 0;
    {
        CQAVApp qav(settings, codeplugData(), options);
        if (!qav.start()) return 1;
        status = QApplication::exec();
    }
    if (!settings.writeSettings())
        std::fprintf(stderr, "qav-cps: Settings.ini not written: %s\n", settings.lastError().c_str());
    return status;
}
