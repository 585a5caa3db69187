#pragma once
// What the printing needs from the main window's tables: the entries the
// Print Tree dialog offers, and the report section an editor window prints.
#include "print/CDlgPrintTree.h"

#include <vector>

class IFrameHost;

// The navigation tree's entries in their order and nesting, with the texts
// of the current language; the change log only at the full access level.
std::vector<PrintTreeEntry> printTreeEntries(const IFrameHost& host);

// The report section of the editor opened by `commandId`; 0 when none
// belongs to it (the printer then prints the first section).
int reportSectionOfView(int commandId);
