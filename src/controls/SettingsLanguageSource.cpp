#include "controls/SettingsLanguageSource.h"

#include "settings/SettingsManager.h"

std::string SettingsLanguageSource::message(int id) const { return settings_.message(id); }
std::string SettingsLanguageSource::caption(int id) const { return settings_.caption(id); }
int SettingsLanguageSource::modelFlag(int id) const { return settings_.modelFlag(id); }
