#include "views/EditorRegistry.h"

#include "model/CCodeplugData.h"
#include "views/ViewChannel.h"
#include "views/ViewChannelList.h"
#include "views/ViewIds.h"
#include "views/ViewAlertTone.h"
#include "views/ViewAtis.h"
#include "views/ViewBtnKey.h"
#include "views/ViewDos.h"
#include "views/ViewEmbedded.h"
#include "views/ViewPersonality.h"
#include "views/ViewScan.h"
#include "views/ViewMis.h"
#include "views/ViewPassword.h"
#include "views/ViewPttId.h"
#include "views/TTSystemAdvancePage.h"
#include "views/TToneSystemBasicPage.h"
#include "views/ViewRadio.h"
#include "views/ViewTToneCall.h"
#include "views/ViewTToneSystem.h"
#include "views/ViewTestFreq.h"
#include "views/DataWatchView.h"

#include <array>

namespace {

template <class View>
CCustomFormView* make(EditorContext& context, QWidget* parent)
{
    return new View(context, parent);
}

template <class Page>
CQAVPropertyPage* makePage(const LanguageSource& language)
{
    return new Page(language);
}

constexpr EditorPageRow kTwoTonePages[] = {
    {FormId::kTwoToneBasic, "Basic", makePage<CTToneSystemBasicPage>},
    {FormId::kTwoToneAdvanced, "Advanced", makePage<CTTSystemAdvancePage>},
};

constexpr int limit(std::size_t n) { return static_cast<int>(n); }

using enum TreeEntry;

// The record limits are the store's: what the memory map holds (channels:
// what the editors offer, one fewer than the image area takes).
const std::array<EditorRow, 17> kRows{{
    {ViewCommand::kRadio, "CViewRadio", FormId::kRadio, Section::RadioInfo, 0, Single, make<CViewRadio>},
    {ViewCommand::kKeys, "CViewBtnKey", FormId::kKeys, Section::Keys, 0, Single, make<CViewBtnKey>},
    {ViewCommand::kMisc, "CViewMis", FormId::kMisc, Section::Misc, 0, Single, make<CViewMis>},
    {ViewCommand::kPassword, "CViewPassword", FormId::kPassword, Section::Password, 0, Single, make<CViewPassword>},
    {ViewCommand::kChannel, "CViewChannel", FormId::kChannel, Section::Channels,
     limit(CCodeplugData::kEditorChannelLimit), Numbered, make<CViewChannel>},
    {ViewCommand::kChannelList, "CViewChannelList", FormId::kChannelList, Section::Channels,
     limit(CCodeplugData::kEditorChannelLimit), Single, make<CViewChannelList>},
    {ViewCommand::kPersonality, "CViewPersonality", FormId::kPersonality, Section::Personalities,
     limit(CCodeplugData::kMaxPersonalities), Numbered, make<CViewPersonality>},
    {ViewCommand::kScan, "CViewScan", FormId::kScan, Section::ScanList, limit(CCodeplugData::kMaxScanLists),
     Numbered, make<CViewScan>},
    {ViewCommand::kEmbedded, "CViewEmbedded", FormId::kEmbedded, Section::EmbeddedMessage, 0, Single,
     make<CViewEmbedded>},
    {ViewCommand::kTestFreq, "CViewTestFreq", FormId::kTestFreq, Section::TestFreq, 0, Single, make<CViewTestFreq>},
    {ViewCommand::kDataWatch, "CDataWatchView", FormId::kDataWatch, std::nullopt, 0, Single, make<CDataWatchView>},
    // Reached from the Edit > Signalling submenu only.
    {ViewCommand::kAlertTone, "CViewAlertTone", FormId::kAlertTone, Section::AlertTones,
     limit(CCodeplugData::kMaxAlertTones), None, make<CViewAlertTone>},
    {ViewCommand::kTwoToneSystem, "CViewTToneSystem", FormId::kTwoToneSystem, Section::TwoToneSystems,
     limit(CCodeplugData::kMaxTwoToneSystems), None, make<CViewTToneSystem>, kTwoTonePages},
    {ViewCommand::kTwoToneCall, "CViewTToneCall", FormId::kTwoToneCall, Section::TwoToneCalls,
     limit(CCodeplugData::kMaxTwoToneCalls), None, make<CViewTToneCall>},
    {ViewCommand::kPttId, "CViewQFX12PTTID", FormId::kPttId, Section::PttId, 0, None, make<CViewQFX12PTTID>},
    {ViewCommand::kDos, "CViewDos", FormId::kDos, Section::Dos, 0, None, make<CViewDos>},
    {ViewCommand::kAtis, "CViewAtis", FormId::kAtis, Section::Atis, 0, None, make<CViewAtis>},
}};

}  // namespace

namespace EditorRegistry {

std::span<const EditorRow> rows() { return kRows; }

const EditorRow* find(int commandId)
{
    for (const EditorRow& row : kRows)
        if (row.commandId == commandId) return &row;
    return nullptr;
}

int recordLimit(Section section)
{
    int most = 0;
    for (const EditorRow& row : kRows)
        if (row.section == section) most = std::max(most, row.recordLimit);
    return most;
}

}  // namespace EditorRegistry
