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

// Headings of the other blocks that no editor words.
constexpr Text kNo{7250, "No."};
constexpr Text kToneN{7252, "Tone %u"};

}  // namespace ReportText
