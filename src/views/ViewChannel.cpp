#include "views/ViewChannel.h"

#include "controls/LanguageSource.h"
#include "views/EditorRegistry.h"
#include "views/PageChanBasic.h"
#include "views/PageChanMisc.h"
#include "views/QAVPropertySheet.h"
#include "views/ViewIds.h"

namespace {
constexpr int kListTitle = 3770;
}

CViewChannel::CViewChannel(EditorContext& context, QWidget* parent)
    : CSheetFormView(FormId::kChannel, ViewCommand::kChannel, Section::Channels, context, parent)
{
}

void CViewChannel::createPages(CQAVPropertySheet* sheet)
{
    const LanguageSource& language = context().language();
    sheet->addPage(new CPageChanBasic(context()), 3656, QStringLiteral("Basic"), language);
    sheet->addPage(new CPageChanMisc(context()), 3657, QStringLiteral("Miscellaneous"), language);
}

bool CViewChannel::switchEditor()
{
    save();
    const std::string title = context().language().caption(kListTitle);
    emit editorRequested(ViewCommand::kChannelList,
                         title.empty() ? QStringLiteral("Channel List") : QString::fromStdString(title));
    return true;
}
