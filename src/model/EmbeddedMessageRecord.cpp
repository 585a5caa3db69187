#include "model/EmbeddedMessageRecord.h"

#include "model/SectionFields.h"

namespace {

constexpr FieldDesc kFields[] = {
    fText("password", 0, 8).factory(0),
    fText("second_text", 8, 8).factory(0),
    fText("message_%", 16, 32).rows(4, 32, 1).factory(0),
};

}  // namespace

std::span<const FieldDesc> embeddedMessageSchema() { return kFields; }

void loadEmbeddedMessageFactoryValues(Record& r) { applyFactoryValues(r, sectionFields(Section::EmbeddedMessage)); }

std::string embeddedText(const Record& r, Offset off, std::size_t len)
{
    const auto bytes = r.bytes(off, len);
    if (bytes.empty() || bytes[0] == 0xFF) return {};
    std::string text(bytes.begin(), bytes.end());
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}
