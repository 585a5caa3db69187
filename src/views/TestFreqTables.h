#pragma once
// The two grids of the test-frequency record: sixteen test frequencies and
// five tuning points, each a receive and a transmit frequency whose step
// code is stored beside it.
#include "app/RecordTable.h"

namespace TestFreqTables {
constexpr int kTestGrid = 4010;
constexpr int kPointGrid = 4011;

TableConfig tests();
TableConfig points();
}  // namespace TestFreqTables
