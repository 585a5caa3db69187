#include "model/KeysRecord.h"

#include "model/SectionFields.h"

namespace {

constexpr FieldDesc kFields[] = {
    fU8("byte_0", 0).factory(0),
    fU8("key_a2", 1, 6605).factory(0),
    fU8("key_a3", 2, 6605).factory(24),
    fU8("byte_3", 3).factory(0),
    fU8("key_b2", 4, 6605).factory(0),
    fU8("key_b3", 5, 6605).factory(17),
    fBytes("bytes_6_17", 6, 12).factory(0),
    fBytes("bytes_18_23", 18, 6),
    fU8("byte_24", 24).factory(1),
};

}  // namespace

std::span<const FieldDesc> keysSchema() { return kFields; }

void loadKeysFactoryValues(Record& r) { applyFactoryValues(r, sectionFields(Section::Keys)); }
