#pragma once
// The current radio values a read from the radio takes over from the radio
// before its transfer starts (model, range, firmware, product identifier,
// option byte, previous range). A read that does not complete puts them
// back, so the program never describes a codeplug it does not hold: a later
// Save would otherwise label the old codeplug with the radio's model and
// range. The port where the radio answered is kept either way.
#include "settings/ModelValues.h"

#include <cstdint>
#include <string>

class CSettingsManager;

struct RadioValuesSnapshot {
    ModelValues model;
    std::string firmwareVersion;
    std::string productId;
    std::uint8_t optionByte = 0;
    std::string savedFreqRange;

    static RadioValuesSnapshot capture(const CSettingsManager& settings);
    void restore(CSettingsManager& settings) const;
};
