#include "model/PasswordRecord.h"

namespace {

constexpr FieldDesc kFields[] = {
    fText("power_on_password", 0, 8),
    fText("write_password", 8, 8),
    fText("read_password", 16, 8),
};

}  // namespace

std::span<const FieldDesc> passwordFields() { return kFields; }

void loadPasswordFactoryValues(Record& r) { r.fill(0); }

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
