#pragma once
// The values of the Factory Mode dialog and where they live: the radio
// information record, the factory settings block's own bytes and the
// miscellaneous record's factory byte and volume bytes. Loading reads them
// out; storing writes back only the bits each value owns, so every other
// bit of a shared byte stays as it was. The limits the dialog enforces are
// checked here, so the dialog and `qav` refuse the same entries.
#include "model/Record.h"
#include "settings/ProfileFile.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

struct FactorySettingsForm {
    std::string modelName;        // at most 12 characters, not empty
    std::string serialNumber;     // at most 16 characters
    int bandFlag = 0;             // 0 UHF, 1 VHF
    std::string rangeId;          // at most 3 digits
    std::string rangeLow;         // whole MHz, 100-999
    std::string rangeHigh;
    int signallingType = 0;
    int openChannel = 1;
    std::string pllFrequency;     // MHz, 10-50
    std::string rxMiddleFrequency;
    int rxMiddleAddSub = 0;
    int releaseDebug = 0;
    int lcdVersion = 0;
    std::array<bool, 4> options{};
    bool tuneSwitchOpen = false;

    bool operator==(const FactorySettingsForm&) const = default;
};

// The records the form is kept in; none is owned.
struct FactoryRecords {
    Record& radioInfo;
    Record& factoryOwn;
    Record& misc;
};

// The form's control ids (the dialog's and the problems').
namespace FactoryControl {
constexpr int kModelName = 4811;
constexpr int kSerial = 4815;
constexpr int kBandFlag = 4850;
constexpr int kRangeId = 4852;
constexpr int kRangeLow = 4819;
constexpr int kRangeHigh = 4821;
constexpr int kSignalling = 4848;
constexpr int kOpenChannel = 4813;
constexpr int kPll = 4823;
constexpr int kRxMiddle = 4825;
constexpr int kAddSub = 4827;
constexpr int kReleaseDebug = 4831;
constexpr int kLcd = 4833;
constexpr int kFirstOption = 4834;
constexpr int kTuneOpen = 4844;
constexpr int kTuneClose = 4845;
constexpr int kFirmware = 4854;
}  // namespace FactoryControl

// What is wrong with an entry, for the front end to say.
struct FactoryProblem {
    enum Kind { Empty, TooLong, NotDigits, OutOfRange };
    int controlId;
    Kind kind;
    int limitLow = 0;   // TooLong: the most characters; OutOfRange: the bounds
    int limitHigh = 0;
};

// `freqRange` is the current range text ("400-470"), which the range edits show.
FactorySettingsForm loadFactoryForm(FactoryRecords records, const std::string& freqRange);
// The first entry the form refuses; nullopt when every entry is acceptable.
std::optional<FactoryProblem> checkFactoryForm(const FactorySettingsForm& form);
// Every entry the form refuses, one problem per control, in control order.
std::vector<FactoryProblem> factoryFormProblems(const FactorySettingsForm& form);
// Writes a checked form back. The model identifier fills radio information
// bytes 32-47; the volume bytes come from volume.ini's [Setting] by the band
// flag (missing keys give 255).
void storeFactoryForm(const FactorySettingsForm& form, FactoryRecords records, const std::string& modelId,
                      const ProfileFile& volume);
