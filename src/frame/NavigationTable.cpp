#include "frame/NavigationTable.h"

#include "frame/FrameIds.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr TreeRow kSep{0, 0, 0, MenuKind::Separator};

constexpr std::array<TreeRow, 27> kTree{{
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
    // The signalling editors have no tree entry; the "&Edit" menu reaches
    // them through a submenu of their own.
    {0, 0, ViewCommand::kSignallingGroup, MenuKind::Popup},
    {0, 1, ViewCommand::kAlertTone, MenuKind::Item},
    {0, 1, ViewCommand::kTwoToneSystem, MenuKind::Item},
    {0, 1, ViewCommand::kTwoToneCall, MenuKind::Item},
    {0, 1, ViewCommand::kPttId, MenuKind::Item},
    {0, 1, ViewCommand::kDos, MenuKind::Item},
    {0, 1, ViewCommand::kAtis, MenuKind::Item},
    kSep,
    {TreeId::kDataWatch, 0, TreeId::kDataWatch, MenuKind::Item},
}};

// The numbered entries of the editor registry and the list editors that
// have no tree entry (they are told where they stand all the same), then
// 32849 and 32889: lists that have no tree entry in this edition, kept so
// that a tree that gains them numbers them too.
std::vector<int> numberedEntries()
{
    std::vector<int> ids;
    for (const EditorRow& row : EditorRegistry::rows())
        if (row.tree == TreeEntry::Numbered || (row.tree == TreeEntry::None && row.recordLimit > 0))
            ids.push_back(row.commandId);
    for (int id : {32849, 32889})
        if (std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
    return ids;
}

}  // namespace

namespace NavigationTable {

std::span<const EditorRow> views() { return EditorRegistry::rows(); }
std::span<const TreeRow> tree() { return kTree; }
std::span<const int> numberedIds()
{
    static const std::vector<int> ids = numberedEntries();
    return ids;
}

const EditorRow* viewFor(int commandId) { return EditorRegistry::find(commandId); }

int treeIdForMenuCommand(int commandId)
{
    // Group commands of the lists (32821, 32823, 32883) lie in this band; an
    // id that is itself an editor keeps its own view.
    if (commandId > 32819 && commandId <= TreeId::kScanGroup && commandId != 32858 && commandId != 32864)
        return viewFor(commandId) ? commandId : commandId + 1;
    return commandId;
}

}  // namespace NavigationTable
