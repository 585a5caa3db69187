#include "model/TestFreqRecord.h"

#include "model/Bcd.h"
#include "settings/ModelValues.h"

namespace {

using TestFreqField::kPointCount;
using TestFreqField::kTestCount;

constexpr FieldDesc kFields[] = {
    // 16 test rows of 10 bytes.
    fFreq("test_%_rx", 0).rows(kTestCount, 10, 0).swapped(),
    fFreq("test_%_tx", 4).inRow().swapped(),
    fU8("test_%_rx_step", 8).inRow(),
    fU8("test_%_tx_step", 9).inRow(),
    // 5 tuning points: receive words, transmit words, then the step pairs.
    fFreq("point_%_rx", 160).rows(kPointCount, 4, 0).swapped(),
    fFreq("point_%_tx", 180).rows(kPointCount, 4, 0).swapped(),
    fBits("point_%_rx_step", 200, 0, 4).rows(kPointCount, 1, 0),
    fBits("point_%_tx_step", 200, 4, 4).inRow(),
};

// Test frequencies sit 150 kHz beside the transmit frequency, inside the band.
constexpr long kOffset = 15000;  // 0.15 MHz in 10 Hz units
constexpr long kUnitsPerMHz = 100000;
constexpr std::uint8_t kStep12k5 = 6;

}  // namespace

std::span<const FieldDesc> testFreqSchema() { return kFields; }

void loadTestFreqFactoryValues(Record& r, const ModelValues& model)
{
    using namespace TestFreqField;
    const long L = model.lowMHz(), H = model.highMHz();
    const long e = (L + H) / 2, f = (L + e) / 2, g = (L + f) / 2, h = (e + f) / 2;
    const long l = (H + e) / 2, m = (e + l) / 2, o = (H + l) / 2;
    struct Row { long mhz; long rxOffset; };
    const Row tests[] = {{L, kOffset}, {g, kOffset}, {f, -kOffset}, {h, -kOffset}, {e, kOffset},
                         {m, kOffset}, {l, -kOffset}, {o, -kOffset}, {H, -kOffset}};
    const Row points[kPointCount] = {{L, kOffset}, {f, kOffset}, {e, kOffset}, {l, kOffset}, {H, -kOffset}};
    auto word = [](long units) { return Bcd::fromInt(units); };

    for (int k = 0; k < kTestCount; ++k) {
        const bool used = k < static_cast<int>(std::size(tests));
        const long tx = used ? tests[k].mhz * kUnitsPerMHz : 0;
        const long rx = used ? tx + tests[k].rxOffset : 0;
        r.setU32(testRx(k), used ? word(rx) : 0);
        r.setU32(testTx(k), used ? word(tx) : 0);
        r.setU8(testRxStep(k), used ? kStep12k5 : 0);
        r.setU8(testTxStep(k), used ? kStep12k5 : 0);
    }
    for (int i = 0; i < kPointCount; ++i) {
        const long tx = points[i].mhz * kUnitsPerMHz;
        r.setU32(pointRx(i), word(tx + points[i].rxOffset));
        r.setU32(pointTx(i), word(tx));
        r.setU8(pointSteps(i), kStep12k5 | kStep12k5 << 4);
    }
}
