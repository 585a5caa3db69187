#pragma once
// The language source of the desktop program: the settings manager's
// active language file and current model.
#include "controls/LanguageSource.h"

class CSettingsManager;

class SettingsLanguageSource : public LanguageSource {
public:
    explicit SettingsLanguageSource(const CSettingsManager& settings) : settings_(settings) {}

    std::string message(int id) const override;
    std::string caption(int id) const override;
    int modelFlag(int id) const override;

private:
    const CSettingsManager& settings_;
};
