#pragma once
// The channel list's grid: one row per channel, the thirteen columns of
// the channel record that a dealer compares side by side.
#include "app/RecordTable.h"

namespace ChannelGridTable {
constexpr int kGrid = 3771;
TableConfig config();
}  // namespace ChannelGridTable
