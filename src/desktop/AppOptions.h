#pragma once
// The desktop program's command line: [--no-splash] [--home DIR] [FILE].
#include <QString>
#include <QStringList>

struct AppOptions {
    bool splash = true;
    QString home;       // program directory override; empty: the usual one
    QString file;       // codeplug to open at start-up; empty: New
    QString error;      // set when the command line is wrong

    static AppOptions parse(const QStringList& arguments);
};
