#pragma once
// The tabbed sheet an editor view hosts. Its caption is empty; each tab's
// title is a caption text of the language file. Help asked for on the
// sheet goes to the active page.
#include <QTabWidget>

class CQAVPropertyPage;
class LanguageSource;

class CQAVPropertySheet : public QTabWidget {
    Q_OBJECT
public:
    explicit CQAVPropertySheet(QWidget* parent = nullptr);

    // Adds a page in tab order; its title is caption text `captionId`
    // (or `builtIn` when the language file has none).
    void addPage(CQAVPropertyPage* page, int captionId, const QString& builtIn, const LanguageSource& language);
    QList<CQAVPropertyPage*> pages() const { return pages_; }
    CQAVPropertyPage* activePage() const;
    // Shows page `index` (ignored when out of range).
    void setActivePage(int index);

    // Context id for help: the focused control of the active page, or the page's form id.
    int helpContext() const;

private:
    QList<CQAVPropertyPage*> pages_;
};
