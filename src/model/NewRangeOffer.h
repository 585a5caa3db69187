#pragma once
// Offers to add a frequency range that a radio reports and the current
// model's list lacks: asks through the prompt, remembers the answer (so that
// a No keeps the previous FreqRange in Settings.ini at the end), and on Yes
// appends the range to the model database and reloads the list.
#include "model/FreqRangeEntry.h"

#include <string>

class CSettingsManager;
class IPrompt;
class RangeList;

enum class NewRangeResult {
    AlreadyListed = 0,
    Declined = 1,
    Added = 2,
    WriteFailed = 3,  // Yes, but the model database could not be written (unchanged)
};

struct NewRangeOffer {
    NewRangeResult result = NewRangeResult::AlreadyListed;
    std::string error;  // why the write failed
};

// The question for `entry`, in English for language index 0 and in the
// built-in Chinese text otherwise.
std::string newRangeQuestion(const FreqRangeEntry& entry, int languageIndex);

NewRangeOffer offerNewRange(const FreqRangeEntry& entry, RangeList& ranges, CSettingsManager& settings,
                            IPrompt& prompt);
