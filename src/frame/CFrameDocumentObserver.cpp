#include "frame/CFrameDocumentObserver.h"

#include "app/InvalidValueList.h"
#include "app/RecentFiles.h"
#include "frame/CDlgFile.h"
#include "frame/CFrameMenus.h"
#include "frame/CMainFrame.h"
#include "frame/ViewBridge.h"

#include <QApplication>
#include <QWidget>

CFrameDocumentObserver::CFrameDocumentObserver(CMainFrame& frame) : m_frame(frame) {}

void CFrameDocumentObserver::closeAllEditors() { m_frame.closeAllWindows(); }

void CFrameDocumentObserver::commitEditors()
{
    // The focused control finishes its edit first, then every editor
    // writes what it shows back to its record.
    if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
    for (QWidget* view : m_frame.openViews()) ViewBridge::save(view);
}

void CFrameDocumentObserver::codeplugReplaced(const std::string& path)
{
    // The Log View lists the edits of the codeplug in hand only.
    m_frame.logBar()->clear();
    // A file or a radio may bring another model: the tree, the menus and
    // the hidden entries are all rebuilt, as after a model change.
    m_frame.refreshAll();
    refreshInvalidView();  // its entries named the replaced codeplug's records
    titleChanged(path);
}

void CFrameDocumentObserver::recordsRestored()
{
    m_frame.reloadEditors();
    refreshInvalidView();
}

void CFrameDocumentObserver::listCountsChanged()
{
    // Told after New made a codeplug from the model's defaults: a new
    // codeplug, whose Log View starts empty.
    m_frame.logBar()->clear();
    m_frame.refreshTree();
    refreshInvalidView();
}

void CFrameDocumentObserver::statusChanged() { m_frame.refreshStatusBar(); }

void CFrameDocumentObserver::titleChanged(const std::string& path)
{
    m_frame.setDocumentPath(QString::fromStdString(path));
    // A file was opened or saved there: the file dialogs start in its folder.
    if (!path.empty()) CDlgFile::rememberFolder(QString::fromStdString(path));
}

void CFrameDocumentObserver::showInvalidValues()
{
    refreshInvalidView();
    m_frame.showInvalidViewIfNeeded();
}

void CFrameDocumentObserver::recentFilesChanged()
{
    if (!m_recent) return;
    QStringList paths;
    for (const std::string& p : m_recent->entries()) paths << QString::fromStdString(p);
    m_frame.menus()->setRecentFiles(paths);
    m_frame.updateCommandStates();
}

void CFrameDocumentObserver::modifiedChanged(bool modified) { m_frame.setDocumentModified(modified); }

void CFrameDocumentObserver::refreshInvalidView()
{
    if (!m_invalid) return;
    CLogBar* bar = m_frame.invalidBar();
    bar->clear();
    for (const InvalidEntry& e : m_invalid->entries())
        bar->add({e.key, e.controlId, QString::fromStdString(e.label), QString::fromStdString(e.place)}, m_frame.host());
}
