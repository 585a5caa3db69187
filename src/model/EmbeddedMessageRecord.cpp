#include "model/EmbeddedMessageRecord.h"

namespace {

constexpr FieldDesc kFields[] = {
    fText("password", 0, 8),
    fText("second_text", 8, 8),
    fText("message_1", 16, 32),
    fText("message_2", 48, 32),
    fText("message_3", 80, 32),
    fText("message_4", 112, 32),
};

}  // namespace

std::span<const FieldDesc> embeddedMessageFields() { return kFields; }

void loadEmbeddedMessageFactoryValues(Record& r) { r.fill(0); }

std::string embeddedText(const Record& r, Offset off, std::size_t len)
{
    const auto bytes = r.bytes(off, len);
    if (bytes.empty() || bytes[0] == 0xFF) return {};
    std::string text(bytes.begin(), bytes.end());
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}
