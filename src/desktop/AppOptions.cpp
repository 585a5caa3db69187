#include "desktop/AppOptions.h"

#include "app/ReportSections.h"

QString AppOptions::usage()
{
    return QString("usage: qav-cps [--no-splash] [--home DIR] [FILE]\n"
           "       qav-cps --print-pdf FILE OUT.pdf [--sections LIST] [--home DIR]\n"
           "       qav-cps --help | --version\n"
           "\n"
           "  FILE          codeplug file to open at start-up (default: a new codeplug)\n"
           "  --no-splash   show the main window at once, without the splash picture\n"
           "  --home DIR    use DIR as the program directory (Model.dat, Settings.ini,\n"
           "                language files, default codeplugs, help pages)\n"
           "  -h, --help    print this help and exit\n"
           "  --version     print the program's version and exit\n"
           "  --print-pdf FILE OUT.pdf\n"
           "                write the printed report of FILE as a PDF file, without a window\n"
           "  --sections LIST\n"
           "                the sections of the report, comma-separated ids or names\n"
           "                (default: all): ") +
           QString::fromStdString(sectionListHelp()) + "\n";
}

AppOptions AppOptions::parse(const QStringList& arguments)
{
    AppOptions o;
    auto fail = [&o](const QString& message) {
        if (o.error.isEmpty()) o.error = message;  // the first fault is the one to report
    };
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--version") {
            o.version = true;
        } else if (a == "--no-splash") {
            o.splash = false;
        } else if (a == "--home") {
            if (i + 1 >= arguments.size()) fail("--home needs a directory");
            else o.home = arguments[++i];
        } else if (a == "--print-pdf") {
            if (i + 2 >= arguments.size()) {
                fail("--print-pdf needs a codeplug file and the PDF file to write");
                i = static_cast<int>(arguments.size());
            } else {
                o.printPdf = true;
                o.file = arguments[++i];
                o.pdfOutput = arguments[++i];
            }
        } else if (a == "--sections") {
            if (i + 1 >= arguments.size()) fail("--sections needs a list of sections");
            else o.sections = arguments[++i];
        } else if (a.startsWith("--sections=")) {
            o.sections = a.mid(11);
        } else if (a.startsWith("--home=")) {
            o.home = a.mid(7);
        } else if (a.startsWith("-") && a != "-") {
            // Qt's own options (-platform, -style ...) were taken out by
            // QApplication already; anything left is ours and unknown.
            fail(QString("unknown option %1").arg(a));
        } else if (o.file.isEmpty()) {
            o.file = a;
        } else {
            fail("only one codeplug file can be opened");
        }
    }
    if (!o.sections.isEmpty() && !o.printPdf) fail("--sections goes with --print-pdf");
    if (o.help || o.version) o.error.clear();
    return o;
}
