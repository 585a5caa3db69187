#pragma once
// The current radio values that the factory defaults and the file header
// depend on. The settings manager owns the live copy; the section store and
// the codeplug file only ever see this plain value, so they can be used
// (and tested) without the settings manager.
#include <cstdint>
#include <cstdio>
#include <string>

struct ModelValues {
    std::string modelId;            // model identifier text
    std::string modelName;          // model name text
    std::string freqRange = "136-174"; // "%d-%d", whole MHz
    int signal = 0;                 // signalling value
    std::uint8_t bandFlags = 0x80;  // flags of the range entry matching freqRange (0 when none)

    // The two whole-MHz edges of freqRange, read with "%d-%d"; a number
    // that is missing reads as 0.
    int lowMHz() const { return edge(0); }
    int highMHz() const { return edge(1); }

private:
    int edge(int which) const
    {
        int lo = 0, hi = 0;
        std::sscanf(freqRange.c_str(), "%d-%d", &lo, &hi);
        return which == 0 ? lo : hi;
    }
};
