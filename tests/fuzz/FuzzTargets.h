#pragma once
// Every fuzz target, by the name of its folder under corpus/ and
// regressions/.
#include <cstddef>
#include <cstdint>
#include <string_view>

using FuzzEntry = int (*)(const std::uint8_t* data, std::size_t size);

// Codeplug file: header, information text and image readers, then Open.
int fuzzCodeplugFile(const std::uint8_t* data, std::size_t size);
// An image unpacked and packed twice gives the same image both times.
int fuzzImageRoundTrip(const std::uint8_t* data, std::size_t size);
// INI text: loads and saves byte for byte; a set key reads back.
int fuzzProfile(const std::uint8_t* data, std::size_t size);
// Language file: lookups, list definitions both ways, message formatting.
int fuzzLanguage(const std::uint8_t* data, std::size_t size);
// Model.dat: the model lists and ranges, and adding a new range.
int fuzzModelDat(const std::uint8_t* data, std::size_t size);
// Radio replies, as the input serves them, to every radio session.
int fuzzRadioReplies(const std::uint8_t* data, std::size_t size);
// Request bytes to the simulated radio.
int fuzzSimRequests(const std::uint8_t* data, std::size_t size);

struct FuzzTarget {
    std::string_view name;
    FuzzEntry entry;
};

inline constexpr FuzzTarget kFuzzTargets[] = {
    {"codeplug_file", fuzzCodeplugFile},
    {"image_roundtrip", fuzzImageRoundTrip},
    {"profile", fuzzProfile},
    {"language", fuzzLanguage},
    {"model_dat", fuzzModelDat},
    {"radio_replies", fuzzRadioReplies},
    {"sim_requests", fuzzSimRequests},
};
