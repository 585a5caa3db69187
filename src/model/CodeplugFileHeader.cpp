#include "model/CodeplugFileHeader.h"

#include <algorithm>
#include <cstring>

#include "settings/ModelValues.h"

namespace {

void putLe(CodeplugHeader& h, std::size_t off, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i) h[off + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint32_t getLe(const CodeplugHeader& h, std::size_t off, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | h[off + static_cast<std::size_t>(i)];
    return v;
}

void putText(CodeplugHeader& h, std::size_t off, std::string_view text)
{
    const std::size_t n = std::min(text.size(), HeaderField::kTextSize);
    std::fill_n(h.begin() + static_cast<std::ptrdiff_t>(off), HeaderField::kTextSize, std::uint8_t{0});
    std::memcpy(h.data() + off, text.data(), n);
}

std::string getText(const CodeplugHeader& h, std::size_t off)
{
    const auto* p = reinterpret_cast<const char*>(h.data() + off);
    return std::string(p, strnlen(p, HeaderField::kTextSize));
}

std::uint16_t edge(int mhz)
{
    return static_cast<std::uint16_t>(std::clamp(mhz, 0, 0xFFFF));
}

}  // namespace

std::string CodeplugHeaderFields::freqRange() const
{
    return std::to_string(lowMHz) + '-' + std::to_string(highMHz);
}

CodeplugHeader makeCodeplugHeader(const ModelValues& model, std::string_view firmware)
{
    CodeplugHeader h{};
    putLe(h, HeaderField::kTag, kHeaderTag, 4);
    putLe(h, HeaderField::kLength, h.size(), 4);
    putText(h, HeaderField::kModelId, model.modelId);
    putText(h, HeaderField::kModelName, model.modelName);
    putLe(h, HeaderField::kLowMHz, edge(model.lowMHz()), 2);
    putLe(h, HeaderField::kHighMHz, edge(model.highMHz()), 2);
    putText(h, HeaderField::kFirmware, firmware);
    putText(h, HeaderField::kFormatVersion, kFormatVersionText);
    h[HeaderField::kBandFlags] = model.bandFlags;
    h[HeaderField::kSignal] = static_cast<std::uint8_t>(model.signal & 0xFF);
    return h;
}

CodeplugHeaderFields readHeaderFields(const CodeplugHeader& h)
{
    CodeplugHeaderFields f;
    f.modelId = getText(h, HeaderField::kModelId);
    f.modelName = getText(h, HeaderField::kModelName);
    f.lowMHz = static_cast<int>(getLe(h, HeaderField::kLowMHz, 2));
    f.highMHz = static_cast<int>(getLe(h, HeaderField::kHighMHz, 2));
    f.firmware = getText(h, HeaderField::kFirmware);
    f.formatVersion = getText(h, HeaderField::kFormatVersion);
    f.bandFlags = h[HeaderField::kBandFlags];
    f.signal = h[HeaderField::kSignal];
    return f;
}

bool hasHeaderTag(const CodeplugHeader& h)
{
    return getLe(h, HeaderField::kTag, 4) == kHeaderTag;
}

int compareFirmwarePrefix(const CodeplugHeader& h, std::string_view version)
{
    for (std::size_t i = 0; i < 4; ++i) {
        const unsigned a = h[HeaderField::kFirmware + i];
        const unsigned b = i < version.size() ? static_cast<unsigned char>(version[i]) : 0u;
        if (a != b) return a < b ? -1 : 1;
    }
    return 0;
}

void applyHeaderToModel(const CodeplugHeader& header, ModelValues& model)
{
    const CodeplugHeaderFields f = readHeaderFields(header);
    model.modelId = f.modelId;
    model.modelName = f.modelName;
    model.freqRange = f.freqRange();
    model.signal = f.signal;
}
