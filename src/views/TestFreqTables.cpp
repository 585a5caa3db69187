#include "views/TestFreqTables.h"

#include "model/TestFreqRecord.h"

namespace {

constexpr TableColumn kTestColumns[] = {
    {7060, "Rx Freq[MHz]", "test_%d_rx", CellKind::Freq, 0, "test_%d_rx_step"},
    {7062, "Tx Freq[MHz]", "test_%d_tx", CellKind::Freq, 0, "test_%d_tx_step"},
};

constexpr TableColumn kPointColumns[] = {
    {7060, "Rx Freq[MHz]", "point_%d_rx", CellKind::Freq, 0, "point_%d_rx_step"},
    {7062, "Tx Freq[MHz]", "point_%d_tx", CellKind::Freq, 0, "point_%d_tx_step"},
};

}  // namespace

namespace TestFreqTables {

TableConfig tests() { return {Section::TestFreq, kTestColumns, TestFreqField::kTestCount}; }
TableConfig points() { return {Section::TestFreq, kPointColumns, TestFreqField::kPointCount}; }

}  // namespace TestFreqTables
