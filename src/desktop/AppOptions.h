#pragma once
// The desktop program's command line: [--no-splash] [--home DIR] [FILE],
// or --print-pdf FILE OUT.pdf [--sections LIST] [--home DIR], or --help /
// --version alone.
#include <QString>
#include <QStringList>

struct AppOptions {
    bool splash = true;
    bool help = false;     // --help, -h: print the usage and end
    bool version = false;  // --version: print the version and end
    QString home;       // program directory override; empty: the usual one
    QString file;       // codeplug to open at start-up; empty: New
    QString error;      // set when the command line is wrong
    // --print-pdf FILE OUT.pdf [--sections LIST]: the report as a PDF file,
    // without a window.
    bool printPdf = false;
    QString pdfOutput;
    QString sections;

    // --help and --version win over anything else on the line, so they
    // work even beside options the window system would have taken.
    static AppOptions parse(const QStringList& arguments);
    static QString usage();
};
