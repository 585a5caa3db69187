#include "views/ViewPersonality.h"

#include "views/PersonalityPages.h"
#include "views/QAVPropertySheet.h"
#include "views/ViewIds.h"

CViewPersonality::CViewPersonality(EditorContext& context, QWidget* parent)
    : CSheetFormView(FormId::kPersonality, ViewCommand::kPersonality, Section::Personalities, context, parent)
{
}

void CViewPersonality::createPages(CQAVPropertySheet* sheet)
{
    const LanguageSource& language = context().language();
    sheet->addPage(new CPersonalityRXTXPage(context()), 2311, QStringLiteral("RXTX"), language);
    sheet->addPage(new CPersonalitySquelchPage(context()), 2312, QStringLiteral("Squelch"), language);
    sheet->addPage(new CPersonalityPttIDPage(context()), 2555, QStringLiteral("PTT-ID"), language);
    sheet->addPage(new CPersonalitySignalPage(context()), 2313, QStringLiteral("Signaling"), language);
}
