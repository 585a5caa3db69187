#include "frame/NavigationTable.h"

#include "frame/FrameIds.h"

#include <array>

namespace {

constexpr std::array<ViewTableRow, 11> kViews{{
    {TreeId::kRadio, "CViewRadio", 0},
    {TreeId::kKeys, "CViewBtnKey", 0},
    {TreeId::kMisc, "CViewMis", 0},
    {TreeId::kPassword, "CViewPassword", 0},
    {TreeId::kChannel, "CViewChannel", 16},
    {TreeId::kChannelList, "CViewChannelList", 16},
    {TreeId::kPersonality, "CViewPersonality", 8},
    {TreeId::kScan, "CViewScan", 1},
    {TreeId::kEmbedded, "CViewEmbedded", 0},
    {TreeId::kTestFreq, "CViewTestFreq", 0},
    {TreeId::kDataWatch, "CDataWatchView", 0},
}};

constexpr TreeRow kSep{0, 0, 0, MenuKind::Separator};

constexpr std::array<TreeRow, 19> kTree{{
    {TreeId::kRadio, 0, TreeId::kRadio, MenuKind::Item},
    kSep,
    {TreeId::kSettingsGroup, 0, TreeId::kSettingsGroup, MenuKind::Popup},
    {TreeId::kKeys, 1, TreeId::kKeys, MenuKind::Item},
    {TreeId::kMisc, 1, TreeId::kMisc, MenuKind::Item},
    {TreeId::kPassword, 1, TreeId::kPassword, MenuKind::Item},
    kSep,
    {TreeId::kChannelGroup, 0, TreeId::kChannelGroup, MenuKind::Item},
    {TreeId::kChannel, 1, 0, MenuKind::Item},
    {TreeId::kPersonalityGroup, 0, TreeId::kPersonalityGroup, MenuKind::Item},
    {TreeId::kPersonality, 1, 0, MenuKind::Item},
    kSep,
    {TreeId::kScanGroup, 0, TreeId::kScanGroup, MenuKind::Item},
    {TreeId::kScan, 1, 0, MenuKind::Item},
    kSep,
    {TreeId::kEmbedded, 0, TreeId::kEmbedded, MenuKind::Item},
    {TreeId::kTestFreq, 0, TreeId::kTestFreq, MenuKind::Item},
    kSep,
    {TreeId::kDataWatch, 0, TreeId::kDataWatch, MenuKind::Item},
}};

// 32849 and 32889 name lists that have no tree entry in this edition; they
// are kept so that a tree that gains them numbers them too.
constexpr std::array<int, 5> kNumbered{TreeId::kChannel, TreeId::kPersonality, TreeId::kScan, 32849, 32889};

}  // namespace

namespace NavigationTable {

std::span<const ViewTableRow> views() { return kViews; }
std::span<const TreeRow> tree() { return kTree; }
std::span<const int> numberedIds() { return kNumbered; }

const ViewTableRow* viewFor(int commandId)
{
    for (const auto& row : kViews)
        if (row.commandId == commandId) return &row;
    return nullptr;
}

int treeIdForMenuCommand(int commandId)
{
    // Group commands of the lists (32821, 32823, 32883) lie in this band; an
    // id that is itself an editor keeps its own view.
    if (commandId > 32819 && commandId <= TreeId::kScanGroup && commandId != 32858 && commandId != 32864)
        return viewFor(commandId) ? commandId : commandId + 1;
    return commandId;
}

}  // namespace NavigationTable
