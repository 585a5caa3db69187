#include "views/SheetFormView.h"

#include "views/EditorRegistry.h"
#include "views/QAVPropertyPage.h"
#include "views/QAVPropertySheet.h"

#include <QCloseEvent>
#include <QVBoxLayout>

CSheetFormView::CSheetFormView(int templateId, int viewKind, Section section, EditorContext& context,
                               QWidget* parent)
    : CCustomFormView(templateId, viewKind, section, context, parent)
{
}

// The pages are written back by the base class.
CSheetFormView::~CSheetFormView() { rememberPage(); }

QSize CSheetFormView::sizeHint() const
{
    return form()->sizeHint().expandedTo(CCustomFormView::sizeHint()) + QSize(4, 4);
}

void CSheetFormView::rememberPage()
{
    if (sheet_ && sheet_->currentIndex() >= 0) context().rememberPage(viewKind(), sheet_->currentIndex());
}

void CSheetFormView::createPages(CQAVPropertySheet* sheet)
{
    const EditorRow* row = EditorRegistry::find(viewKind());
    if (!row) return;
    const LanguageSource& language = context().language();
    for (const EditorPageRow& page : row->pages)
        sheet->addPage(page.make(language), page.captionId, QString::fromUtf8(page.builtIn), language);
}

void CSheetFormView::buildForm(QWidget* form)
{
    auto* layout = new QVBoxLayout(form);
    layout->setContentsMargins(0, 0, 0, 0);
    sheet_ = new CQAVPropertySheet(form);
    layout->addWidget(sheet_);
    createPages(sheet_);
    for (CQAVPropertyPage* page : sheet_->pages()) {
        addPage(page);
        connect(page, &CQAVPropertyPage::changed, this, [this](const ChangeNotice& n) { announce(n); });
        connect(page, &CQAVPropertyPage::pageMessage, this, &CCustomFormView::pageMessage);
    }
    sheet_->setActivePage(context().rememberedPage(viewKind()));
}

void CSheetFormView::loadControls(Record* record)
{
    for (CQAVPropertyPage* page : pages()) {
        page->setRecord(record);
        page->setRecordId(record ? currentId() : 0);
        page->load();
    }
}

void CSheetFormView::onNotice(const ChangeNotice& notice)
{
    for (CQAVPropertyPage* page : pages()) {
        if (page->isInitialised()) page->notify(notice);
    }
}

void CSheetFormView::closeEvent(QCloseEvent* event)
{
    rememberPage();
    CCustomFormView::closeEvent(event);
}
