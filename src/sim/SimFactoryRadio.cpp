#include "sim/SimFactoryRadio.h"

#include "model/CCodeplugData.h"
#include "settings/ModelValues.h"

#include <algorithm>
#include <memory>

SimRadio::Memory factoryMemory(const ModelValues& model)
{
    auto store = std::make_unique<CCodeplugData>();
    store->loadDefaults(model);
    store->pack();
    SimRadio::Memory mem;
    std::copy(store->image().begin(), store->image().end(), mem.begin());
    return mem;
}

SimIdentity identityFor(const ModelValues& model, SimIdentity base)
{
    base.productId = model.modelId;
    base.modelName = model.modelName;
    if (model.lowMHz() > 0 && model.highMHz() > model.lowMHz()) {
        base.lowEdge = static_cast<std::uint32_t>(model.lowMHz()) * 100000u;
        base.highEdge = static_cast<std::uint32_t>(model.highMHz()) * 100000u;
    }
    if (model.bandFlags != 0) base.bandFlags = model.bandFlags;
    return base;
}
