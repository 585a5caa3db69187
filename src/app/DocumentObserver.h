#pragma once
// What the document procedures need from the program around them: the
// desktop program closes and commits its editor windows and refreshes the
// navigation tree, status bar and title; the command-line tool and the tests
// keep the defaults, which do nothing.
#include <string>

class IDocumentObserver {
public:
    virtual ~IDocumentObserver() = default;

    // Close every editor window (their record pointers are about to go stale).
    virtual void closeAllEditors() {}
    // Let every open editor write its controls into its record.
    virtual void commitEditors() {}
    // The codeplug was replaced (perhaps by another model's): rebuild the
    // tree, the menus and the hidden entries, refresh the status bar and the
    // window title.
    virtual void codeplugReplaced(const std::string& path) { (void)path; }
    // New kept the factory defaults: bring the tree to the list counts.
    virtual void listCountsChanged() {}
    virtual void statusChanged() {}
    virtual void titleChanged(const std::string& path) { (void)path; }
    // Validation found invalid values: show the invalid-value bar if hidden.
    virtual void showInvalidValues() {}
    virtual void recentFilesChanged() {}
    // Undo or Redo put other records back: every editor shows them afresh,
    // and the tree follows the list counts.
    virtual void recordsRestored() {}
    // The codeplug became modified or unmodified (the window title's mark).
    virtual void modifiedChanged(bool modified) { (void)modified; }
};
