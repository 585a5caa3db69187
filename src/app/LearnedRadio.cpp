#include "app/LearnedRadio.h"

#include "link/PortList.h"
#include "model/FreqRangeEntry.h"
#include "settings/SettingsManager.h"

namespace {

void adoptIdentity(CSettingsManager& s, const TransferResult& r, bool keepPreviousRange)
{
    const IdentityData& id = r.identity;
    s.setModelId(id.productId);
    s.setProductId(id.productId);
    s.setModelName(id.modelName);
    s.setOptionByte(static_cast<std::uint8_t>(id.optionByte));
    s.setFirmwareVersion(id.firmwareVersion);
    if (keepPreviousRange) s.setSavedFreqRange(s.freqRange());
    s.setFreqRange(rangeText(r.band));
}

}  // namespace

void applyLearned(CSettingsManager& settings, const TransferResult& result, Takeover how)
{
    int number = 0;
    if (PortList::parseNumber(result.port, number)) settings.setComPort(number);
    switch (how) {
    case Takeover::PortOnly: break;
    case Takeover::Read:
    case Takeover::Tuning:
        if (result.identified && result.identityAccepted) adoptIdentity(settings, result, how == Takeover::Read);
        break;
    case Takeover::Write:
        if (result.identified) settings.setFirmwareVersion(result.identity.firmwareVersion);
        break;
    case Takeover::FactoryRead:
        if (!result.bandWordsRange.empty()) settings.setFreqRange(result.bandWordsRange);
        break;
    }
}
