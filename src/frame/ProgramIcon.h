#pragma once
// The program's own icon, for its main window, its editor windows and its
// dialogs (instead of the toolkit's logo).
#include <QIcon>

QIcon programIcon();
