#include "views/ViewScan.h"

#include "views/QAVPropertySheet.h"
#include "views/ScanPages.h"
#include "views/ViewIds.h"

CViewScan::CViewScan(EditorContext& context, QWidget* parent)
    : CSheetFormView(FormId::kScan, ViewCommand::kScan, Section::ScanList, context, parent)
{
}

void CViewScan::createPages(CQAVPropertySheet* sheet)
{
    const LanguageSource& language = context().language();
    sheet->addPage(new CConfigPage(context()), 3800, QStringLiteral("Scan Configuration"), language);
    sheet->addPage(new CChinnelListPage(context()), 3803, QStringLiteral("Channel List"), language);
}
