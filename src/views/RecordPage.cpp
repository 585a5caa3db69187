#include "views/RecordPage.h"

#include "views/EditorContext.h"
#include "views/SectionChoices.h"

CRecordPage::CRecordPage(int templateId, EditorContext& context, QWidget* parent)
    : CQAVPropertyPage(templateId, context.language(), parent), context_(context)
{
}

void CRecordPage::enable(int id, bool on) { enableControl(this, id, on, language()); }
