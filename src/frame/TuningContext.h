#pragma once
// What the tuning screens need from the program: the language texts, the
// worker that talks to the radio, the store's tune data and test
// frequencies, and where the tune data goes when the radio kept it.
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

class IFrameHost;
class TuningWorker;

struct TuningContext {
    const IFrameHost& host;
    TuningWorker& worker;
    // The store's tune-data area as it is now.
    std::function<std::vector<std::uint8_t>()> tuneData;
    // The receive and transmit texts of test point k (0-4), "" when unset.
    std::function<std::array<QString, 2>(int point)> pointFrequencies;
    // The radio kept the values: the area replaces the store's.
    std::function<void(std::span<const std::uint8_t>)> keepTuneData;
    std::function<void(int contextId)> help;
};
