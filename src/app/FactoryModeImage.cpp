#include "app/FactoryModeImage.h"

#include "link/TransferPlans.h"
#include "model/CCodeplugData.h"

#include <algorithm>
#include <memory>

namespace {

std::unique_ptr<CCodeplugData> storeOf(const RadioImage& image)
{
    auto store = std::make_unique<CCodeplugData>();
    std::copy(image.begin(), image.end(), store->image().begin());
    store->unpack();
    return store;
}

FactoryRecords recordsOf(CCodeplugData& store)
{
    return {store.radioInfo, store.factoryBlock.own, store.misc};
}

}  // namespace

FactorySettingsForm factoryFormOfImage(const RadioImage& image, const std::string& freqRange)
{
    auto store = storeOf(image);
    return loadFactoryForm(recordsOf(*store), freqRange);
}

void storeFactoryFormInImage(RadioImage& image, const FactorySettingsForm& form, const std::string& modelId,
                             const ProfileFile& volume)
{
    auto store = storeOf(image);
    storeFactoryForm(form, recordsOf(*store), modelId, volume);
    store->pack();
    for (const BlockSpan& b : Plans::factoryWrite())
        std::copy_n(store->image().begin() + b.address, b.length, image.begin() + b.address);
}
