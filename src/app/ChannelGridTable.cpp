#include "app/ChannelGridTable.h"

namespace {

using enum CellKind;

constexpr TableColumn kColumns[] = {
    {3665, "RX Frequency[MHz]", "rx_frequency", GridFreq, 0, "rx_step", 100},
    {3667, "RX Type", "rx_tone", ToneType, 3668, nullptr, 100},
    {3669, "RX CTCSS[Hz]", "rx_tone", Ctcss, 0, nullptr, 70},
    {3671, "RX CDCSS", "rx_tone", Cdcss, 0, nullptr, 60},
    {3674, "TX Frequency[MHz]", "tx_frequency", GridFreq, 0, "tx_step", 100},
    {3676, "TX Type", "tx_tone", ToneType, 3677, nullptr, 100},
    {3678, "TX CTCSS[Hz]", "tx_tone", Ctcss, 0, nullptr, 70},
    {3680, "TX CDCSS", "tx_tone", Cdcss, 0, nullptr, 60},
    {3660, "Channel Spacing", "spacing", Option, 3661, nullptr, 100},
    {3662, "Power Level", "power", Option, 3663, nullptr, 60},
    {3702, "Personality List", "personality", Choice, 3703, nullptr, 60},
    {3705, "Scan List", "scan_list", Choice, 3706, nullptr, 100},
    {3707, "Auto Start Scan", "auto_start_scan", Option, 3708, nullptr, 100},
};

}  // namespace

TableConfig ChannelGridTable::config() { return {Section::Channels, kColumns}; }
