#pragma once
// Keys record, 25 bytes: one function value per programmable key (values of
// option list 6605). The editor binds bytes 1, 2, 4 and 5.
#include "model/FieldTable.h"
#include "model/Record.h"

#include <span>

namespace KeysField {
constexpr std::size_t kSize = 25;
constexpr Offset KeyA2{1};
constexpr Offset KeyA3{2};
constexpr Offset KeyB2{4};
constexpr Offset KeyB3{5};
constexpr int kFunctionList = 6605;
}  // namespace KeysField

void loadKeysFactoryValues(Record& keys);

std::span<const FieldDesc> keysSchema();
