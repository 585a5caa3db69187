#pragma once
// The help window: shows the program's HTML help pages, one page per
// context id (dialog, view, control or command), from the help folder of
// the current language. A context without a page of its own shows the
// first of its fallbacks that has one, else the contents page.
//
// The window is not modal. Shown while a modal dialog is open, it becomes
// that dialog's companion window (a window belonging to the open dialog is
// the only kind a modal dialog leaves usable), and returns to the window it
// was made for when the dialog ends.
#include <QDialog>
#include <QPointer>

class IFrameHost;
class QPushButton;
class QTextBrowser;

class CHelpViewer : public QDialog {
    Q_OBJECT
public:
    explicit CHelpViewer(QWidget* parent = nullptr);

    // Its title, its button and its note in the current language.
    void applyTexts(const IFrameHost& host);

    // The folder holding <id>.html and index.html.
    void setHelpFolder(const QString& folder) { m_folder = folder; }
    QString helpFolder() const { return m_folder; }

    // Shows the page of the first context id that has one (0: contents).
    // Returns the page shown; empty when the folder has no page at all.
    QString showContext(const QList<int>& contextIds);
    QString currentPage() const { return m_page; }

    // The page file of a context id; empty when it has none.
    QString pageFor(int contextId) const;

private:
    // Moves the window to the modal dialog now open, or back home.
    void followModalDialog();
    void dialogEnded();

    QPointer<QWidget> m_home;
    QPointer<QDialog> m_dialog;
    QTextBrowser* m_browser;
    QPushButton* m_contents;
    QString m_missingFormat = QStringLiteral("No help pages were found in %s.");
    QString m_folder;
    QString m_page;
};

// The help folder for a help file name and a language index: the name is
// cut after its last ".", "_S" (index 1) or "_E" (any other) is put before
// that ".", and "chm" follows; the folder is that name without its
// extension, under <program dir>help/. A name that already carries one of
// the two suffixes has it replaced.
QString helpFolderFor(const QString& programDir, const QString& helpFile, int languageIndex);
