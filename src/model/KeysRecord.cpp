#include "model/KeysRecord.h"

namespace {

constexpr FieldDesc kFields[] = {
    fU8("byte_0", 0),
    fU8("key_a2", 1, 6605),
    fU8("key_a3", 2, 6605),
    fU8("byte_3", 3),
    fU8("key_b2", 4, 6605),
    fU8("key_b3", 5, 6605),
    fBytes("bytes_6_17", 6, 12),
    fBytes("bytes_18_23", 18, 6),
    fU8("byte_24", 24),
};

}  // namespace

std::span<const FieldDesc> keysFields() { return kFields; }

void loadKeysFactoryValues(Record& r)
{
    using namespace KeysField;
    r.setU8(0, 0);
    r.setU8(KeyA2, 0);
    r.setU8(KeyA3, 24);
    r.setU8(3, 0);
    r.setU8(KeyB2, 0);
    r.setU8(KeyB3, 17);
    r.fillBytes(6, 12, 0);
    r.setU8(24, 1);
}
