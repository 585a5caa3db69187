#include "settings/SettingsManager.h"

#include <algorithm>

#include "settings/FileIO.h"
#include "settings/ProfileFile.h"

#include <iostream>
#include <locale>

namespace {

constexpr const char* kSettingsFile = "Settings.ini";
constexpr const char* kSetting = "Setting";

char userDecimalPoint()
{
    try {
        return std::use_facet<std::numpunct<char>>(std::locale("")).decimal_point();
    } catch (const std::exception&) {
        return '.';
    }
}

// The "*.lng" files of `dir`, in the order the file system lists them.
std::vector<std::string> languageFiles(const std::string& dir) { return filesIn(dir, ".lng"); }

}  // namespace

CSettingsManager::CSettingsManager() : CSettingsManager(programDirectory(), userConfigDirectory()) {}

CSettingsManager::CSettingsManager(const std::string& programDir)
    : CSettingsManager(programDir, userConfigDirectory())
{
}

CSettingsManager::CSettingsManager(const std::string& programDir, const std::string& userDir)
    : CSettingsManager(ConfigLocations(programDir, userDir))
{
}

CSettingsManager::CSettingsManager(ConfigLocations locations)
    : locations_(std::move(locations)), decimalPoint_(userDecimalPoint())
{
    model_.freqRange.clear();
    model_.bandFlags = 0;
    readSettings();
}

CSettingsManager::~CSettingsManager()
{
    if (writeOnDestruction_ && !writeSettings())
        std::cerr << "qav: settings not saved: " << lastError_ << '\n';
}

CSettingsManager& CSettingsManager::instance()
{
    static CSettingsManager manager;
    static const bool armed = (manager.setWriteOnDestruction(true), true);
    (void)armed;
    return manager;
}

void CSettingsManager::readSettings()
{
    ProfileFile ini;
    ini.load(settingsPath());
    model_.signal = ini.getInt(kSetting, "Signal", model_.signal);
    comPort_ = ini.getInt(kSetting, "ComPort", comPort_);
    portDevice_ = truncateToBuffer(ini.find(kSetting, "PortDevice").value_or(std::string()), ProfileBuffer::kMessage);
    if (auto v = ini.find(kSetting, "ModelName")) model_.modelName = truncateToBuffer(*v, ProfileBuffer::kShort);
    if (auto v = ini.find(kSetting, "ModelID")) model_.modelId = truncateToBuffer(*v, ProfileBuffer::kShort);
    if (auto v = ini.find(kSetting, "FreqRange")) model_.freqRange = truncateToBuffer(*v, ProfileBuffer::kShort);
}

bool CSettingsManager::writeSettingsKeys(std::initializer_list<std::pair<const char*, std::string>> keys,
                                         std::optional<std::string> portDevice)
{
    std::string readPath = settingsPath();
    ProfileFile ini;
    if (!ini.load(readPath) && pathExists(readPath)) {
        lastError_ = "cannot read " + readPath;
        return false;
    }
    for (const auto& [key, value] : keys) {
        if (!ini.setString(kSetting, key, value)) {
            lastError_ = std::string("cannot store ") + key + " in " + readPath;
            return false;
        }
    }
    // A settings file without a device choice stays without the key.
    if (portDevice && (!portDevice->empty() || ini.find(kSetting, "PortDevice")) &&
        !ini.setString(kSetting, "PortDevice", *portDevice)) {
        lastError_ = "cannot store PortDevice in " + readPath;
        return false;
    }
    return ini.save(locations_.writePath(kSettingsFile), &lastError_);
}

bool CSettingsManager::writeSettings()
{
    const std::string& range = addRangeAnswer_ == kAnswerNo ? savedFreqRange_ : model_.freqRange;
    return writeSettingsKeys({{"Signal", std::to_string(model_.signal)},
                              {"ComPort", std::to_string(comPort_)},
                              {"FreqRange", range}},
                             portDevice_);
}

std::string CSettingsManager::defaultCodeplugPath() const
{
    return programDir() + model_.modelId + model_.freqRange + "DefaultSet.dat";
}

bool CSettingsManager::loadStartupLanguage()
{
    return selectLanguage(readProfileInt(settingsPath(), kSetting, "Language", 0));
}

bool CSettingsManager::selectLanguage(int index)
{
    bool found = false;
    if (index >= 0) {
        for (const std::string& path : languageFiles(programDir())) {
            LanguageFile candidate;
            if (!candidate.load(path)) continue;
            std::string name = candidate.languageName();
            auto list = candidate.languageList();
            if (static_cast<std::size_t>(index) < list.size() && list[static_cast<std::size_t>(index)] == name) {
                language_ = std::move(candidate);
                languageName_ = name;
                languageFilePath_ = path;
                found = true;
                break;
            }
        }
    }
    if (!found) {
        languageName_ = "English";
        languageFilePath_ = programDir() + "QAV_E.lng";
        language_ = LanguageFile();
        language_.load(languageFilePath_);
        index = 0;
    }
    helpFile_ = language_.helpFile(helpFile_);
    languageIndex_ = index;
    return writeSettingsKeys({{"Language", std::to_string(index)}});
}

int CSettingsManager::backupLimit() const
{
    return std::max(1, readProfileInt(settingsPath(), "Setting", "BackupLimit", 50));
}

int CSettingsManager::accessCode() const
{
    return readProfileInt(settingsPath(), "User Mode", "Level", 0);
}
