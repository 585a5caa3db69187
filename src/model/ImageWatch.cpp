#include "model/ImageWatch.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string bitsOf(std::uint8_t v)
{
    std::string s(8, '0');
    for (int b = 0; b < 8; ++b)
        if (v & (0x80 >> b)) s[std::size_t(b)] = '1';
    return s;
}

}  // namespace

std::string ImageChange::line() const
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "$E.0x%zX:%.2X->%.2X", offset, unsigned(before), unsigned(after));
    return buf;
}

std::string ImageChange::binary() const
{
    char buf[24];
    std::snprintf(buf, sizeof buf, "$E.0x%zX:", offset);
    return buf + bitsOf(before) + "\r\n->" + bitsOf(after);
}

std::string ImageChange::decimal() const
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "$E.0x%zX:%.2u->%.2u", offset, unsigned(before), unsigned(after));
    return buf;
}

std::string ImageChange::detail() const { return decimal() + "\r\n" + binary(); }

void ImageWatch::reset(std::span<const std::uint8_t> image)
{
    snapshot_.fill(0);
    std::copy_n(image.begin(), std::min(image.size(), kSize), snapshot_.begin());
}

std::vector<ImageChange> ImageWatch::compare(std::span<const std::uint8_t> image)
{
    std::vector<ImageChange> changes;
    const std::size_t n = std::min(image.size(), kSize);
    for (std::size_t i = 0; i < n; ++i) {
        if (image[i] == snapshot_[i]) continue;
        changes.push_back({i, snapshot_[i], image[i]});
        snapshot_[i] = image[i];
    }
    return changes;
}
