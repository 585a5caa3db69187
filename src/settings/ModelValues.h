#pragma once
// The current radio values that the factory defaults and the file header
// depend on. The settings manager owns the live copy; the section store and
// the codeplug file only ever see this plain value, so they can be used
// (and tested) without the settings manager.
#include <algorithm>
#include <cctype>
#include <climits>
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
    // "%d-%d" without the undefined behaviour of sscanf on numbers beyond
    // int: FreqRange comes from Settings.ini and file headers, so a number
    // out of range is clamped.
    int edge(int which) const
    {
        const char* p = freqRange.c_str();
        int lo = 0, hi = 0;
        if (scanInt(p, lo) && *p == '-') scanInt(++p, hi);
        return which == 0 ? lo : hi;
    }
    static bool scanInt(const char*& p, int& out)
    {
        while (std::isspace(static_cast<unsigned char>(*p))) ++p;
        const bool negative = *p == '-';
        if (*p == '-' || *p == '+') ++p;
        if (*p < '0' || *p > '9') return false;
        long long v = 0;
        for (; *p >= '0' && *p <= '9'; ++p) v = std::min(v * 10 + (*p - '0'), 1LL << 32);
        v = negative ? -v : v;
        out = static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
        return true;
    }
};
