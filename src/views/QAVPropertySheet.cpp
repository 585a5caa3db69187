#include "views/QAVPropertySheet.h"

#include "controls/ControlId.h"
#include "controls/LanguageSource.h"
#include "views/QAVPropertyPage.h"

#include <QApplication>

CQAVPropertySheet::CQAVPropertySheet(QWidget* parent) : QTabWidget(parent)
{
    setWindowTitle(QString());
    // Pages are set up when first shown, like the tabs of a dialog.
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        if (index >= 0 && index < pages_.size()) pages_[index]->initDialog();
    });
}

void CQAVPropertySheet::addPage(CQAVPropertyPage* page, int captionId, const QString& builtIn,
                                const LanguageSource& language)
{
    const std::string text = language.caption(captionId);
    const QString title = text.empty() ? builtIn : QString::fromStdString(text);
    page->setCaption(title);
    pages_.append(page);
    addTab(page, title);
    if (pages_.size() == 1) page->initDialog();
}

CQAVPropertyPage* CQAVPropertySheet::activePage() const
{
    const int i = currentIndex();
    return i >= 0 && i < pages_.size() ? pages_[i] : nullptr;
}

void CQAVPropertySheet::setActivePage(int index)
{
    if (index >= 0 && index < pages_.size()) setCurrentIndex(index);
}

int CQAVPropertySheet::helpContext() const
{
    CQAVPropertyPage* page = activePage();
    if (!page) return 0;
    QWidget* focus = QApplication::focusWidget();
    const int id = focus && page->isAncestorOf(focus) ? controlId(focus) : 0;
    return id != 0 ? id : page->templateId();
}
