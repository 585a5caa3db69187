#pragma once
// The window side of the document procedures: closes and commits the editor
// windows and refreshes the tree, status bar, title, recent files and the
// "Invalid View" bar when the codeplug changes.
#include "app/DocumentObserver.h"

#include <functional>

class CMainFrame;
class InvalidValueList;
class RecentFiles;

class CFrameDocumentObserver : public IDocumentObserver {
public:
    explicit CFrameDocumentObserver(CMainFrame& frame);

    // The lists the frame shows; set once the document service exists.
    void setInvalidValues(InvalidValueList* list) { m_invalid = list; }
    void setRecentFiles(RecentFiles* recent) { m_recent = recent; }

    void closeAllEditors() override;
    void commitEditors() override;
    void codeplugReplaced(const std::string& path) override;
    void listCountsChanged() override;
    void statusChanged() override;
    void titleChanged(const std::string& path) override;
    void showInvalidValues() override;
    void recentFilesChanged() override;
    void modifiedChanged(bool modified) override;
    void recordsRestored() override;

    // Copies the invalid-value list into the "Invalid View" bar.
    void refreshInvalidView();

private:
    CMainFrame& m_frame;
    InvalidValueList* m_invalid = nullptr;
    RecentFiles* m_recent = nullptr;
};
