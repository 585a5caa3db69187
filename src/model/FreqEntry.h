#pragma once
// Turning a typed frequency into what a record stores: parse, clamp to the
// model band, classify the step, and the text to show back. The caller is
// told when the value was clamped so it can show the out-of-band notice.
#include <cstdint>
#include <string>
#include <string_view>

struct ModelValues;

// The model band in 10 Hz units (whole-MHz edges x 100000).
struct FreqBand {
    std::uint32_t lo = 0;
    std::uint32_t hi = 0;

    static FreqBand fromMHz(long loMHz, long hiMHz);
    static FreqBand of(const ModelValues& model);

    std::uint32_t loWord() const;  // the edges as BCD words
    std::uint32_t hiWord() const;
};

struct BandClamp {
    std::uint32_t units;
    bool changed;
};
BandClamp clampToBand(std::uint32_t units, const FreqBand& band);

// The second clamp a page applies to stored words: BCD words compare as
// unsigned numbers; the empty word is left alone.
std::uint32_t clampWordToBand(std::uint32_t word, const FreqBand& band);

struct FreqEntry {
    std::uint32_t word;  // BCD word to store (FreqBcd::kEmpty when empty)
    std::uint8_t step;   // StepCode (dialog) or GridStep class (grid)
    std::string text;    // what the edit shows afterwards
    int notice;          // message to show (out of band), 0 for none
};

// Dialog frequency edit. An empty text gives the empty word and step 15
// when the field may be empty; otherwise it reads as 0 and is clamped.
FreqEntry readDialogFreq(std::string_view text, const FreqBand& band, bool mayBeEmpty);

// Channel list grid cell: same parse and clamp, the 2.5 kHz grid rule;
// an empty text gives the empty word, class 255 and an empty text.
FreqEntry readGridFreq(std::string_view text, const FreqBand& band, bool mayBeEmpty = true);
