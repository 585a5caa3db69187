// qav-cps: the desktop programming software.
#include "desktop/AppOptions.h"
#include "desktop/CQAVApp.h"
#include "model/CCodeplugData.h"
#include "settings/ProgramDirectory.h"
#include "settings/SettingsManager.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("qav-cps");
    QApplication::setOrganizationName("qav");
    QApplication::setApplicationVersion("1.0.0");

    const AppOptions options = AppOptions::parse(QApplication::arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "qav-cps: %s\nusage: qav-cps [--no-splash] [--home DIR] [FILE]\n",
                     options.error.toLocal8Bit().constData());
        return 2;
    }
    // The program directory must be known before the settings are read.
    if (!options.home.isEmpty()) setProgramDirectoryOverride(options.home.toStdString());

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
