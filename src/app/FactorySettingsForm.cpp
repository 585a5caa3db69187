#include "app/FactorySettingsForm.h"

#include "model/FactorySettingsBlock.h"
#include "model/FreqBcd.h"
#include "model/MiscRecord.h"
#include "model/RadioInfoRecord.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

std::string trimmed(std::string s, bool front)
{
    const auto blank = [](unsigned char c) { return c == ' ' || c == '\0'; };
    while (!s.empty() && blank(static_cast<unsigned char>(s.back()))) s.pop_back();
    if (front) s.erase(s.begin(), std::find_if_not(s.begin(), s.end(), [&](char c) { return blank(c); }));
    return s;
}

bool allDigits(const std::string& s)
{
    return std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

// Whole or decimal MHz, digits and at most one point.
std::optional<double> megahertz(const std::string& s)
{
    if (s.empty() || std::count(s.begin(), s.end(), '.') > 1) return std::nullopt;
    if (!std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c) || c == '.'; }))
        return std::nullopt;
    // A lone point is no number (and would throw in stod).
    if (std::none_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c) != 0; })) return std::nullopt;
    return std::stod(s);
}

std::optional<FactoryProblem> checkNumber(int id, const std::string& text, std::size_t most, int low, int high)
{
    if (text.size() > most) return FactoryProblem{id, FactoryProblem::TooLong, int(most), 0};
    const auto v = megahertz(text);
    if (!v) return FactoryProblem{id, FactoryProblem::NotDigits};
    if (*v < low || *v > high) return FactoryProblem{id, FactoryProblem::OutOfRange, low, high};
    return std::nullopt;
}

std::string wordText(std::uint32_t word)
{
    return word == FreqBcd::kEmpty ? std::string() : FreqBcd::text(word);
}

}  // namespace

FactorySettingsForm loadFactoryForm(FactoryRecords r, const std::string& freqRange)
{
    using namespace RadioInfoField;
    FactorySettingsForm f;
    f.modelName = trimmed(r.radioInfo.text(ModelName, kModelNameLength), true);
    f.serialNumber = trimmed(r.radioInfo.text(Serial, kSerialLength), false);
    f.bandFlag = r.radioInfo.bit(BandFlags, BandFamilyBit) ? 1 : 0;
    f.rangeId = std::to_string(r.radioInfo.bits(BandFlags, 0, 7));
    int low = 0, high = 0;
    if (std::sscanf(freqRange.c_str(), "%d-%d", &low, &high) == 2) {
        f.rangeLow = std::to_string(low);
        f.rangeHigh = std::to_string(high);
    }
    f.signallingType = r.radioInfo.u8(Signal);
    f.openChannel = r.factoryOwn.u16(FactoryBlockField::OpenChannelNumber);
    f.pllFrequency = wordText(r.factoryOwn.u32(FactoryBlockField::PllFrequency));
    f.rxMiddleFrequency = wordText(r.factoryOwn.u32(FactoryBlockField::RxMiddleFrequency));
    // A VHF radio adds the middle frequency: its subtract bit is cleared first.
    if (f.bandFlag) r.factoryOwn.setBit(FactoryBlockField::RxMiddleAddSub, 0, false);
    f.rxMiddleAddSub = r.factoryOwn.bit(FactoryBlockField::RxMiddleAddSub, 0) ? 1 : 0;
    f.releaseDebug = r.misc.bit(MiscField::FactoryOptions, MiscField::ReleaseDebugBit) ? 1 : 0;
    f.lcdVersion = r.misc.bit(MiscField::FactoryOptions, MiscField::LcdBit) ? 1 : 0;
    for (unsigned k = 0; k < 4; ++k) f.options[k] = r.misc.bit(MiscField::FactoryOptions, 3 + k);
    f.tuneSwitchOpen = r.factoryOwn.bit(FactoryBlockField::TuneSwitch, 0);
    return f;
}

std::vector<FactoryProblem> factoryFormProblems(const FactorySettingsForm& f)
{
    using namespace FactoryControl;
    using P = FactoryProblem;
    std::vector<P> problems;
    const auto add = [&](std::optional<P> p) {
        if (p) problems.push_back(*p);
    };
    if (f.modelName.empty()) add(P{kModelName, P::Empty});
    else if (f.modelName.size() > RadioInfoField::kModelNameLength)
        add(P{kModelName, P::TooLong, int(RadioInfoField::kModelNameLength)});
    if (f.serialNumber.size() > RadioInfoField::kSerialLength)
        add(P{kSerial, P::TooLong, int(RadioInfoField::kSerialLength)});
    if (f.rangeId.size() > 3) add(P{kRangeId, P::TooLong, 3});
    else if (f.rangeId.empty() || !allDigits(f.rangeId)) add(P{kRangeId, P::NotDigits});
    // The range ID shares its byte with the band flag: seven bits.
    else if (std::stoi(f.rangeId) > 127) add(P{kRangeId, P::OutOfRange, 0, 127});
    for (auto [id, text] : {std::pair{kRangeLow, &f.rangeLow}, std::pair{kRangeHigh, &f.rangeHigh}})
        add(checkNumber(id, *text, 9, 100, 999));
    for (auto [id, text] : {std::pair{kPll, &f.pllFrequency}, std::pair{kRxMiddle, &f.rxMiddleFrequency}})
        add(checkNumber(id, *text, 8, 10, 50));
    // The choices can only be wrong when they come from a file: each must
    // fit the bits that keep it.
    const auto choice = [&](int id, int value, int high) {
        if (value < 0 || value > high) add(P{id, P::OutOfRange, 0, high});
    };
    choice(kBandFlag, f.bandFlag, 1);
    choice(kSignalling, f.signallingType, 255);
    choice(kOpenChannel, f.openChannel, 65535);
    choice(kAddSub, f.rxMiddleAddSub, 1);
    choice(kReleaseDebug, f.releaseDebug, 1);
    choice(kLcd, f.lcdVersion, 1);
    return problems;
}

std::optional<FactoryProblem> checkFactoryForm(const FactorySettingsForm& f)
{
    auto problems = factoryFormProblems(f);
    if (problems.empty()) return std::nullopt;
    return problems.front();
}

void storeFactoryForm(const FactorySettingsForm& f, FactoryRecords r, const std::string& modelId,
                      const ProfileFile& volume)
{
    using namespace RadioInfoField;
    r.radioInfo.setText(ModelName, kModelNameLength, f.modelName, ' ');
    r.radioInfo.setBit(BandFlags, BandFamilyBit, f.bandFlag != 0);
    r.radioInfo.setBits(BandFlags, 0, 7, static_cast<unsigned>(std::stoi(f.rangeId)) & 0x7F);
    r.radioInfo.setU32(LowEdge, FreqBcd::fromUnits(FreqBcd::parseUnits(f.rangeLow)));
    r.radioInfo.setU32(HighEdge, FreqBcd::fromUnits(FreqBcd::parseUnits(f.rangeHigh)));
    r.radioInfo.setU8(Signal, static_cast<std::uint8_t>(f.signallingType));
    r.radioInfo.setText(ModelId, kModelIdLength, modelId, ' ');
    r.radioInfo.setText(Serial, kSerialLength, f.serialNumber, ' ');

    r.factoryOwn.setU16(FactoryBlockField::OpenChannelNumber, static_cast<std::uint16_t>(f.openChannel));
    r.factoryOwn.setU32(FactoryBlockField::PllFrequency, FreqBcd::fromUnits(FreqBcd::parseUnits(f.pllFrequency)));
    r.factoryOwn.setU32(FactoryBlockField::RxMiddleFrequency,
                        FreqBcd::fromUnits(FreqBcd::parseUnits(f.rxMiddleFrequency)));
    r.factoryOwn.setBit(FactoryBlockField::RxMiddleAddSub, 0, f.rxMiddleAddSub != 0);
    r.factoryOwn.setBit(FactoryBlockField::TuneSwitch, 0, f.tuneSwitchOpen);

    r.misc.setBit(MiscField::FactoryOptions, MiscField::ReleaseDebugBit, f.releaseDebug != 0);
    r.misc.setBit(MiscField::FactoryOptions, MiscField::LcdBit, f.lcdVersion != 0);
    for (unsigned k = 0; k < 4; ++k) r.misc.setBit(MiscField::FactoryOptions, 3 + k, f.options[k]);
    const bool vhf = r.radioInfo.bit(BandFlags, BandFamilyBit);
    const auto level = [&](const char* key) {
        return static_cast<std::uint8_t>(std::clamp(volume.getInt("Setting", key, 255), 0, 255));
    };
    r.misc.setU8(MiscField::WideVolume, level(vhf ? "vwide" : "uwide"));
    r.misc.setU8(MiscField::NarrowVolume, level(vhf ? "vnarrow" : "unarrow"));
}
