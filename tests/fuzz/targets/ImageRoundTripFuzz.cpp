// Any 8192 bytes as a codeplug image (shorter inputs are padded with 0xFF):
// unpack and pack must settle it at once, so that a second unpack and pack
// gives the same image.
#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "model/CCodeplugData.h"

#include <algorithm>
#include <memory>

int fuzzImageRoundTrip(const std::uint8_t* data, std::size_t size)
{
    auto store = std::make_unique<CCodeplugData>();
    auto& image = store->image();
    image.fill(0xFF);
    std::copy_n(data, std::min(size, image.size()), image.begin());

    store->unpack();
    store->pack();
    const CCodeplugData::Image first = store->image();
    store->unpack();
    store->pack();
    FUZZ_CHECK(store->image() == first);
    return 0;
}
