#pragma once
// The program-wide settings and language object: the current radio values,
// the port number, the access level, the selected language file and every
// text lookup. It reads Settings.ini when constructed and writes it back with
// writeSettings (the process-wide instance does so when the program ends).
//
// The class is ordinary: tests construct it with a program directory of
// their own. The desktop program and the command-line tool use instance().
#include "settings/AccessLevel.h"
#include "settings/LanguageFile.h"
#include "settings/ModelValues.h"
#include "settings/ProgramDirectory.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class CSettingsManager {
public:
    // Answers to the new-range question, as stored in AddRangeAnswer.
    static constexpr int kAnswerYes = 6;
    static constexpr int kAnswerNo = 7;

    // Uses programDirectory() and userConfigDirectory().
    CSettingsManager();
    explicit CSettingsManager(const std::string& programDir);
    CSettingsManager(const std::string& programDir, const std::string& userDir);
    explicit CSettingsManager(ConfigLocations locations);
    ~CSettingsManager();
    CSettingsManager(const CSettingsManager&) = delete;
    CSettingsManager& operator=(const CSettingsManager&) = delete;

    // The process-wide instance, created on first use from programDirectory()
    // (so --home must be applied before). It writes Settings.ini when the
    // process ends and reports a failure on stderr.
    static CSettingsManager& instance();

    // Reads Signal, ComPort, PortDevice, ModelName, ModelID and FreqRange (done by the
    // constructor; again after the files changed on disk).
    void readSettings();
    // Writes Signal and ComPort (PortDevice too when one is chosen or was
    // stored before), and FreqRange - or SavedFreqRange when the
    // last new-range question was answered No. False when Settings.ini could
    // not be written (it then stays as it was); lastError() says why.
    bool writeSettings();
    void setWriteOnDestruction(bool write) { writeOnDestruction_ = write; }
    const std::string& lastError() const { return lastError_; }

    // Files and folders.
    const ConfigLocations& locations() const { return locations_; }
    const std::string& programDir() const { return locations_.programDir(); }
    std::string settingsPath() const { return locations_.readPath("Settings.ini"); }
    std::string modelDatPath() const { return locations_.readPath("Model.dat"); }
    std::string modelDatWritePath() const { return locations_.writePath("Model.dat"); }
    // <program dir><ModelID><FreqRange>DefaultSet.dat
    std::string defaultCodeplugPath() const;

    // Current radio values.
    ModelValues& model() { return model_; }
    const ModelValues& model() const { return model_; }
    const std::string& modelId() const { return model_.modelId; }
    const std::string& modelName() const { return model_.modelName; }
    const std::string& freqRange() const { return model_.freqRange; }
    int signal() const { return model_.signal; }
    void setModelId(std::string v) { model_.modelId = std::move(v); }
    void setModelName(std::string v) { model_.modelName = std::move(v); }
    void setFreqRange(std::string v) { model_.freqRange = std::move(v); }
    void setSignal(int v) { model_.signal = v; }

    const std::string& firmwareVersion() const { return firmwareVersion_; }
    void setFirmwareVersion(std::string v) { firmwareVersion_ = std::move(v); }
    const std::string& productId() const { return productId_; }
    void setProductId(std::string v) { productId_ = std::move(v); }
    std::uint8_t optionByte() const { return optionByte_; }
    void setOptionByte(std::uint8_t v) { optionByte_ = v; }

    int comPort() const { return comPort_; }
    void setComPort(int port) { comPort_ = port; }
    // A port chosen by device path ("/dev/ttyUSB0") or "sim" for the
    // simulated radio; empty when the numbered port is used. Kept in
    // Settings.ini as PortDevice so the choice outlives the session.
    const std::string& portDevice() const { return portDevice_; }
    void setPortDevice(std::string device) { portDevice_ = std::move(device); }

    // FreqRange before the last read from the radio replaced it, and the
    // last answer to the new-range question (kAnswerYes / kAnswerNo).
    const std::string& savedFreqRange() const { return savedFreqRange_; }
    void setSavedFreqRange(std::string v) { savedFreqRange_ = std::move(v); }
    int addRangeAnswer() const { return addRangeAnswer_; }
    void setAddRangeAnswer(int answer) { addRangeAnswer_ = answer; }

    // The user's decimal point, for frequency input. The process locale is
    // left alone, so numbers in files always use ".".
    char decimalPoint() const { return decimalPoint_; }

    // Language.
    // Reads Settings.ini "Language" and selects that language.
    bool loadStartupLanguage();
    // Selects the language file whose own name stands at `index` of its
    // LanguageList, or English (QAV_E.lng, index 0) when none does, and writes
    // the index to Settings.ini. False when that write failed (the language
    // is selected all the same).
    bool selectLanguage(int index);
    int languageIndex() const { return languageIndex_; }
    const std::string& languageName() const { return languageName_; }
    const std::string& languageFilePath() const { return languageFilePath_; }
    const std::string& helpFile() const { return helpFile_; }
    const LanguageFile& language() const { return language_; }

    std::string message(int id) const { return language_.message(id); }
    std::string caption(int id) const { return language_.caption(id); }
    std::string identifier(int id) const { return language_.identifier(id); }
    std::optional<std::string> findMessage(int id) const { return language_.findMessage(id); }
    std::optional<std::string> findCaption(int id) const { return language_.findCaption(id); }
    // Per-model flag of control `id` for the current ModelID (or another one).
    int modelFlag(int id) const { return language_.modelFlag(model_.modelId, id); }
    int modelFlagFor(std::string_view modelId, int id) const { return language_.modelFlag(modelId, id); }
    std::string textForValue(int listId, int value) const { return language_.textForValue(listId, value); }
    int valueForText(int listId, std::string_view text) const { return language_.valueForText(listId, text); }

    // Access level, read from Settings.ini at every call.
    int accessCode() const;
    // How many backups of each radio are kept ([Setting] BackupLimit, 50
    // when absent; at least 1).
    int backupLimit() const;
    AccessLevel accessLevel() const { return accessLevelOf(accessCode()); }
    // True for either of the two codes (the extended transfer range uses it).
    bool isExtendedAccess() const { return accessLevel() != AccessLevel::User; }

private:
    bool writeSettingsKeys(std::initializer_list<std::pair<const char*, std::string>> keys,
                           std::optional<std::string> portDevice = std::nullopt);

    ConfigLocations locations_;
    ModelValues model_;
    std::string firmwareVersion_;
    std::string productId_;
    std::uint8_t optionByte_ = 0;
    int comPort_ = 1;
    std::string portDevice_;
    std::string savedFreqRange_;
    int addRangeAnswer_ = kAnswerYes;
    char decimalPoint_ = '.';

    LanguageFile language_;
    int languageIndex_ = 0;
    std::string languageName_;
    std::string languageFilePath_;
    std::string helpFile_;

    bool writeOnDestruction_ = false;
    std::string lastError_;
};
