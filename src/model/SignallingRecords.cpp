#include "model/SignallingRecords.h"

#include "model/SectionFields.h"

namespace {

constexpr FieldDesc kPttIdFields[] = {
    fU16("primary_id", 0).swapped().factory(1),
    fU8("type", 2, 1665).factory(0),
    fBits("side_tone_off", 3, 0, 1).factory(1),
    fBits("short_beep_off", 3, 1, 1).factory(0),
    fBits("options_reserved", 3, 2, 6).factory(0x3F),
    fU8("pre_time", 4, 1667).factory(25),
    fU8("preamble_bit_sync", 5, 1669).factory(5),
};

constexpr FieldDesc kDosFields[] = {
    fBits("enable", 0, 0, 1).factory(0),
    fBits("reserved", 0, 1, 3).factory(0),
    fBits("kept", 0, 4, 4).factory(2),
    fU8("pre_mute_duration", 1, 4670).factory(15),
};

constexpr FieldDesc kAtisFields[] = {
    fDigits("code", 0, 6).factory(0x99),
    fU8("pre_time", 6, 4592).factory(3),
};

}  // namespace

std::span<const FieldDesc> pttIdSchema() { return kPttIdFields; }
std::span<const FieldDesc> dosSchema() { return kDosFields; }
std::span<const FieldDesc> atisSchema() { return kAtisFields; }

void loadPttIdFactoryValues(Record& r) { applyFactoryValues(r, sectionFields(Section::PttId)); }

void loadDosFactoryValues(Record& r) { applyFactoryValues(r, sectionFields(Section::Dos)); }

void loadAtisFactoryValues(Record& r) { applyFactoryValues(r, sectionFields(Section::Atis)); }
