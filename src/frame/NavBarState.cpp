#include "frame/NavBarState.h"

#include "frame/FrameIds.h"

namespace NavBarState {

NavBarMode forNumbered(int n, int count, int limit)
{
    if (limit == 0) return {false, 0};
    if (limit == 1) return {true, 7};
    if (count == limit) return {true, n == 1 ? 2 : n == limit ? 4 : 6};
    if (count == 1) return {true, 1};
    return {true, n == 1 ? 0 : n == count ? 3 : 5};
}

NavBarMode forPlain(int treeId)
{
    switch (treeId) {
    case TreeId::kChannel:
    case TreeId::kChannelList:
    // The signalling lists have no numbered entries; their editors refuse
    // what their list does not allow.
    case ViewCommand::kAlertTone:
    case ViewCommand::kTwoToneSystem:
    case ViewCommand::kTwoToneCall: return {true, 9};
    case TreeId::kEmbedded:
    case TreeId::kPassword: return {false, 1};
    case TreeId::kDataWatch: return {false, 2};
    default: return {false, 0};
    }
}

Buttons buttonsFor(int state)
{
    switch (state) {
    case 0: return {false, false, true, true, true, true};    // first of several
    case 1: return {false, false, false, false, true, false}; // the only record
    case 2: return {false, false, true, true, false, true};   // full list, first
    case 3: return {true, true, false, false, true, true};    // last of several
    case 4: return {true, true, false, false, false, true};   // full list, last
    case 5: return {true, true, true, true, true, true};      // in the middle
    case 6: return {true, true, true, true, false, true};     // full list, middle
    case 7: return {false, false, false, false, false, false}; // a kind with one record
    default: return {true, true, true, true, true, true};     // the editor decides
    }
}

}  // namespace NavBarState
