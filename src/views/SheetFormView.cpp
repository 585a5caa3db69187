#include "views/SheetFormView.h"

#include "views/QAVPropertyPage.h"
#include "views/QAVPropertySheet.h"

#include <QCloseEvent>
#include <QHash>
#include <QVBoxLayout>

namespace {
QHash<int, int>& rememberedPages()
{
    static QHash<int, int> pages;
    return pages;
}
}  // namespace

CSheetFormView::CSheetFormView(int templateId, int viewKind, SectionId section, EditorContext& context,
                               QWidget* parent)
    : CCustomFormView(templateId, viewKind, section, context, parent)
{
}

CSheetFormView::~CSheetFormView()
{
    rememberPage();
    // Pages write back before they go, so closing never loses an edit.
    if (sheet_) {
        for (CQAVPropertyPage* page : sheet_->pages()) {
            page->save();
            // Tearing the widgets down moves the focus, which a page takes
            // as a finished edit; its notice must not reach this view once
            // it is no longer a view.
            disconnect(page, nullptr, this, nullptr);
        }
    }
}

int CSheetFormView::rememberedPage(int viewKind) { return rememberedPages().value(viewKind, 0); }

void CSheetFormView::forgetRememberedPages() { rememberedPages().clear(); }

void CSheetFormView::rememberPage()
{
    if (sheet_ && sheet_->currentIndex() >= 0) rememberedPages()[viewKind()] = sheet_->currentIndex();
}

void CSheetFormView::buildForm(QWidget* form)
{
    auto* layout = new QVBoxLayout(form);
    layout->setContentsMargins(0, 0, 0, 0);
    sheet_ = new CQAVPropertySheet(form);
    layout->addWidget(sheet_);
    createPages(sheet_);
    for (CQAVPropertyPage* page : sheet_->pages()) {
        connect(page, &CQAVPropertyPage::changed, this, [this](const ChangeNotice& n) { announce(n); });
        connect(page, &CQAVPropertyPage::pageMessage, this, &CCustomFormView::pageMessage);
    }
    sheet_->setActivePage(rememberedPage(viewKind()));
}

void CSheetFormView::loadControls(Record* record)
{
    if (!sheet_) return;
    for (CQAVPropertyPage* page : sheet_->pages()) {
        page->setRecord(record);
        page->load();
    }
}

void CSheetFormView::saveControls(Record&)
{
    if (!sheet_) return;
    for (CQAVPropertyPage* page : sheet_->pages()) page->save();
}

void CSheetFormView::onNotice(const ChangeNotice& notice)
{
    if (!sheet_) return;
    for (CQAVPropertyPage* page : sheet_->pages()) {
        if (page->isInitialised()) page->notify(notice);
    }
}

void CSheetFormView::closeEvent(QCloseEvent* event)
{
    rememberPage();
    CCustomFormView::closeEvent(event);
}
