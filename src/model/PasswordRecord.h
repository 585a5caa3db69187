#pragma once
// Password record, 24 bytes: three texts of up to 8 digits, zero padded
// (no terminator when 8 digits long); an all-zero field is no password.
//
//  0-7 power-on / key-lock   8-15 write / tune / dealer data   16-23 read data
#include "model/FieldTable.h"
#include "model/Record.h"

#include <span>
#include <string>

namespace PasswordField {
constexpr std::size_t kSize = 24;
constexpr std::size_t kLength = 8;
constexpr Offset PowerOn{0};
constexpr Offset Write{8};
constexpr Offset Read{16};
}  // namespace PasswordField

void loadPasswordFactoryValues(Record& password);

// Password text of the field at `off`: up to its first zero byte, at most 8.
std::string passwordText(const Record& password, Offset off);
void setPasswordText(Record& password, Offset off, const std::string& digits);

std::span<const FieldDesc> passwordSchema();
