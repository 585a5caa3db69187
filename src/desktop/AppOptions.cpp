#include "desktop/AppOptions.h"

AppOptions AppOptions::parse(const QStringList& arguments)
{
    AppOptions o;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == "--no-splash") {
            o.splash = false;
        } else if (a == "--home") {
            if (i + 1 >= arguments.size()) {
                o.error = "--home needs a directory";
                return o;
            }
            o.home = arguments[++i];
        } else if (a.startsWith("--home=")) {
            o.home = a.mid(7);
        } else if (a.startsWith("-") && a != "-") {
            // Qt's own options (-platform, -style ...) were taken out by
            // QApplication already; anything left is ours and unknown.
            o.error = QString("unknown option %1").arg(a);
            return o;
        } else if (o.file.isEmpty()) {
            o.file = a;
        } else {
            o.error = "only one codeplug file can be opened";
            return o;
        }
    }
    return o;
}
