#include "model/RadioInfoRecord.h"

#include "model/Bcd.h"
#include "settings/ModelValues.h"

namespace {

constexpr FieldDesc kFields[] = {
    fText("model_name", 0, 12),
    fBits("band_range_id", 12, 0, 7),
    fBits("band_family", 12, 7, 1),
    fU8("byte_13", 13),
    fU8("signal", 14, 1076),
    fU8("byte_15", 15),
    fBytes("programming_stamp", 16, 8),
    fFreq("low_edge", 24),
    fFreq("high_edge", 28),
    fText("model_id", 32, 16),
    fBytes("bytes_48_55", 48, 8),
    fText("serial_number", 56, 16),
};

}  // namespace

std::span<const FieldDesc> radioInfoSchema() { return kFields; }

void loadRadioInfoFactoryValues(Record& r, const ModelValues& model, const ProgrammingStamp& stamp)
{
    using namespace RadioInfoField;
    r.setText(ModelName, kModelNameLength, model.modelName, '\0');
    r.setU8(BandFlags, model.bandFlags);
    r.setU32(LowEdge, Bcd::fromInt(static_cast<long>(model.lowMHz()) * 100000L));
    r.setU32(HighEdge, Bcd::fromInt(static_cast<long>(model.highMHz()) * 100000L));
    r.fillBytes(Serial, kSerialLength, '-');
    r.setBytes(Stamp, stamp);
    r.setU8(Signal, static_cast<std::uint8_t>(model.signal));
}
