#include "app/RadioValuesSnapshot.h"

#include "settings/SettingsManager.h"

RadioValuesSnapshot RadioValuesSnapshot::capture(const CSettingsManager& settings)
{
    return RadioValuesSnapshot{settings.model(), settings.firmwareVersion(), settings.productId(),
                               settings.optionByte(), settings.savedFreqRange()};
}

void RadioValuesSnapshot::restore(CSettingsManager& settings) const
{
    settings.model() = model;
    settings.setFirmwareVersion(firmwareVersion);
    settings.setProductId(productId);
    settings.setOptionByte(optionByte);
    settings.setSavedFreqRange(savedFreqRange);
}
