#pragma once
// Choosing what the Print Tree dialog prints, and how often it warns when
// nothing is chosen. Kept apart from the dialog so the rules can be run
// without windows.
#include <string>
#include <vector>

class LanguageFile;

// The section ids of the checked tree entries, given by their texts in the
// order they are visited (children before their parent): each entry
// selects the first report section whose name (its caption text) occurs
// within the entry's text. Entries that name no section select nothing; the
// result is in report order, each section once.
std::vector<int> sectionsForTreeTexts(const std::vector<std::string>& checkedTexts, const LanguageFile& language);

// OK with nothing chosen warns three times and the fourth time gives up:
// the dialog is cancelled, and the next attempts are warned again.
class PrintTreeWarnings {
public:
    static constexpr int kSelectOne = 1229;   // "Select at least one section to print."
    static constexpr int kCancelled = 1228;   // "No section was selected. Printing is cancelled."
    static constexpr int kCaption = 1173;     // the message box's caption
    static constexpr int kWarnings = 3;

    struct Step {
        int message;
        bool cancel;
    };
    Step next();
    int remaining() const { return remaining_; }

private:
    int remaining_ = kWarnings;
};
