#include "frame/PrintTreeEntries.h"

#include "app/ReportSections.h"
#include "frame/FrameHost.h"
#include "frame/NavigationTable.h"
#include "settings/AccessLevel.h"
#include "views/ViewIds.h"

std::vector<PrintTreeEntry> printTreeEntries(const IFrameHost& host)
{
    const bool full = accessLevelOf(host.accessCode()) == AccessLevel::Full;
    std::vector<PrintTreeEntry> entries;
    for (const TreeRow& row : NavigationTable::tree()) {
        if (row.treeId == -1) break;
        if (row.treeId == 0) continue;
        if (row.treeId == ViewCommand::kDataWatch && !full) continue;
        const std::string text = host.caption(row.treeId);
        if (text.empty()) continue;
        entries.push_back({QString::fromStdString(text), row.depth, row.treeId});
    }
    return entries;
}

int reportSectionOfView(int commandId)
{
    namespace V = ViewCommand;
    namespace S = ReportSectionId;
    switch (commandId) {
    case V::kRadio: return S::kRadio;
    case V::kKeys: return S::kKeys;
    case V::kMisc: return S::kMisc;
    case V::kChannel:
    case V::kChannelList: return S::kChannels;
    case V::kPersonality: return S::kPersonalities;
    case V::kScan: return S::kScan;
    case V::kTestFreq: return S::kTestFreq;
    case V::kAlertTone: return S::kAlertTones;
    case V::kAtis: return S::kAtis;
    case V::kDos: return S::kDos;
    case V::kTwoToneSystem: return S::kTwoToneSystems;
    case V::kTwoToneCall: return S::kTwoToneCalls;
    default: return 0;
    }
}
