#include "app/FactoryModeTakeover.h"

#include "model/CCodeplugData.h"
#include "model/RangeList.h"
#include "settings/ProfileFile.h"
#include "settings/SettingsManager.h"

FactoryTakeover takeOverFactoryForm(const FactorySettingsForm& form, CCodeplugData& store,
                                    CSettingsManager& settings, RangeList& ranges, IPrompt& prompt)
{
    FactoryTakeover t;
    const Record infoBefore = store.radioInfo, ownBefore = store.factoryBlock.own, miscBefore = store.misc;
    ProfileFile volume;
    volume.load(settings.programDir() + "volume.ini");
    storeFactoryForm(form, {store.radioInfo, store.factoryBlock.own, store.misc}, settings.modelId(), volume);
    t.recordsChanged = !(store.radioInfo == infoBefore && store.factoryBlock.own == ownBefore && store.misc == miscBefore);

    if (form.modelName != settings.modelName()) {
        settings.setModelName(form.modelName);
        t.nameChanged = true;
    }
    const std::string range = form.rangeLow + "-" + form.rangeHigh;
    if (range != settings.freqRange()) {
        FreqRangeEntry entry;
        entry.low = entry.low2 = std::stoi(form.rangeLow);
        entry.high = entry.high2 = std::stoi(form.rangeHigh);
        entry.flags = static_cast<std::uint8_t>((form.bandFlag ? 0x80 : 0) | (std::stoi(form.rangeId) & 0x7F));
        t.offer = offerNewRange(entry, ranges, settings, prompt);
        if (t.offer.result == NewRangeResult::AlreadyListed || t.offer.result == NewRangeResult::Added) {
            settings.setFreqRange(range);
            t.rangeChanged = true;
        }
    }
    return t;
}
