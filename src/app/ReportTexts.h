#pragma once
// Texts of the printed report that no editor shows: column headings and the
// page footer. Each has a number in the language files and a built-in
// English text that is used when the file lacks it.
namespace ReportText {

struct Text {
    int id;
    const char* builtIn;
};

constexpr Text kPageOf{7220, "Page %d of %d"};

// The channel block's three heading rows.
constexpr Text kChannel{7230, "Channel"};
constexpr Text kNumber{7231, "Number"};
constexpr Text kSpacing{7232, "Spacing"};
constexpr Text kPower{7233, "Power"};
constexpr Text kLevel{7234, "Level"};
constexpr Text kRx{7235, "RX"};
constexpr Text kFrequency{7236, "Frequency"};
constexpr Text kMHz{7237, "[MHz]"};
constexpr Text kType{7238, "Type"};
constexpr Text kCtcss{7239, "CTCSS"};
constexpr Text kCdcss{7240, "/CDCSS"};
constexpr Text kTx{7241, "TX"};
constexpr Text kPersonality{7242, "Personality"};
constexpr Text kList{7243, "List"};
constexpr Text kScan{7244, "Scan"};
constexpr Text kAuto{7245, "Auto"};
constexpr Text kStart{7246, "Start"};

// Headings of the other blocks.
constexpr Text kNo{7250, "No."};
constexpr Text kCycle{7251, "Cycle"};
constexpr Text kToneN{7252, "Tone %u"};
constexpr Text kHz{7253, "[Hz]"};
constexpr Text kMs{7263, "[ms]"};
constexpr Text kDecodeN{7254, "Decode %u"};
constexpr Text kCallFormat{7255, "Call Format"};
constexpr Text kCallType{7256, "Call Type"};
constexpr Text kToneA{7257, "A Tone[Hz]"};
constexpr Text kToneB{7258, "B Tone[Hz]"};
constexpr Text kToneC{7259, "C Tone[Hz]"};
constexpr Text kToneD{7260, "D Tone[Hz]"};
constexpr Text kFirstTone{7261, "1st Tone[Hz]"};
constexpr Text kSecondTone{7262, "2nd Tone[Hz]"};

}  // namespace ReportText
