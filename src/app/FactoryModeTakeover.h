#pragma once
// What the Factory Mode dialog hands to the program when it closes: the
// values are stored in the codeplug's radio information, factory settings
// block and miscellaneous records (only the bits each value owns); a new
// model name becomes the current one; a new frequency range becomes the
// current one when the model lists it or the user adds it to the list.
#include "app/FactorySettingsForm.h"
#include "model/NewRangeOffer.h"

class CCodeplugData;
class CSettingsManager;
class IPrompt;
class RangeList;

struct FactoryTakeover {
    bool recordsChanged = false;  // some byte of the three records changed
    bool nameChanged = false;
    bool rangeChanged = false;    // the current range text changed
    NewRangeOffer offer;          // the answer to adding the range
};

// `form` has passed checkFactoryForm. The volume bytes come from volume.ini
// in the program directory.
FactoryTakeover takeOverFactoryForm(const FactorySettingsForm& form, CCodeplugData& store,
                                    CSettingsManager& settings, RangeList& ranges, IPrompt& prompt);
