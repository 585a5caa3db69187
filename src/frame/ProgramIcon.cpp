#include "frame/ProgramIcon.h"

QIcon programIcon()
{
    // Compiled into the program, so it shows even without the data files.
    static const QIcon icon(QStringLiteral(":/qav/icons/program.png"));
    return icon;
}
