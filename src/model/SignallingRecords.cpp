#include "model/SignallingRecords.h"

namespace {

constexpr FieldDesc kPttIdFields[] = {
    fU16("primary_id", 0),
    fU8("type", 2, 1665),
    fBits("side_tone_off", 3, 0, 1),
    fBits("short_beep_off", 3, 1, 1),
    fBits("options_reserved", 3, 2, 6),
    fU8("pre_time", 4, 1667),
    fU8("preamble_bit_sync", 5, 1669),
};

constexpr FieldDesc kDosFields[] = {
    fBits("enable", 0, 0, 1),
    fBits("reserved", 0, 1, 3),
    fBits("kept", 0, 4, 4),
    fU8("pre_mute_duration", 1, 4670),
};

constexpr FieldDesc kAtisFields[] = {
    fDigits("code", 0, 6),
    fU8("pre_time", 6, 4592),
};

}  // namespace

std::span<const FieldDesc> pttIdFields() { return kPttIdFields; }
std::span<const FieldDesc> dosFields() { return kDosFields; }
std::span<const FieldDesc> atisFields() { return kAtisFields; }

void loadPttIdFactoryValues(Record& r)
{
    using namespace PttIdField;
    r.setU16(Primary, 1);
    r.setU8(Type, 0);
    r.setU8(Options, 0xFD);  // side tone off, short beep on, reserved bits set
    r.setU8(PreTime, 25);
    r.setU8(PreambleBitSync, 5);
}

void loadDosFactoryValues(Record& r)
{
    r.setU8(DosField::Options, 0x20);  // disabled; kept nibble 2
    r.setU8(DosField::PreMute, 15);
}

void loadAtisFactoryValues(Record& r)
{
    r.fillBytes(AtisField::Code, 6, 0x99);
    r.setU8(AtisField::PreTime, 3);
}
