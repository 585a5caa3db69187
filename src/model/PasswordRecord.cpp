#include "model/PasswordRecord.h"

#include "model/SectionFields.h"

namespace {

constexpr FieldDesc kFields[] = {
    fText("power_on_password", 0, 8).factory(0),
    fText("write_password", 8, 8).factory(0),
    fText("read_password", 16, 8).factory(0),
};

}  // namespace

std::span<const FieldDesc> passwordSchema() { return kFields; }

void loadPasswordFactoryValues(Record& r) { applyFactoryValues(r, sectionFields(Section::Password)); }

std::string passwordText(const Record& r, Offset off)
{
    std::string text;
    for (std::uint8_t b : r.bytes(off, PasswordField::kLength)) {
        if (b == 0) break;
        text += static_cast<char>(b);
    }
    return text;
}

void setPasswordText(Record& r, Offset off, const std::string& digits)
{
    r.setText(off, PasswordField::kLength, digits, '\0');
}
