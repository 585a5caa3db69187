#include "model/TestFreqRecord.h"

#include "model/Bcd.h"
#include "settings/ModelValues.h"

namespace {

constexpr FieldDesc kFields[] = {
    fFreq("test_0_rx", 0),
    fFreq("test_0_tx", 4),
    fU8("test_0_rx_step", 8),
    fU8("test_0_tx_step", 9),
    fFreq("test_1_rx", 10),
    fFreq("test_1_tx", 14),
    fU8("test_1_rx_step", 18),
    fU8("test_1_tx_step", 19),
    fFreq("test_2_rx", 20),
    fFreq("test_2_tx", 24),
    fU8("test_2_rx_step", 28),
    fU8("test_2_tx_step", 29),
    fFreq("test_3_rx", 30),
    fFreq("test_3_tx", 34),
    fU8("test_3_rx_step", 38),
    fU8("test_3_tx_step", 39),
    fFreq("test_4_rx", 40),
    fFreq("test_4_tx", 44),
    fU8("test_4_rx_step", 48),
    fU8("test_4_tx_step", 49),
    fFreq("test_5_rx", 50),
    fFreq("test_5_tx", 54),
    fU8("test_5_rx_step", 58),
    fU8("test_5_tx_step", 59),
    fFreq("test_6_rx", 60),
    fFreq("test_6_tx", 64),
    fU8("test_6_rx_step", 68),
    fU8("test_6_tx_step", 69),
    fFreq("test_7_rx", 70),
    fFreq("test_7_tx", 74),
    fU8("test_7_rx_step", 78),
    fU8("test_7_tx_step", 79),
    fFreq("test_8_rx", 80),
    fFreq("test_8_tx", 84),
    fU8("test_8_rx_step", 88),
    fU8("test_8_tx_step", 89),
    fFreq("test_9_rx", 90),
    fFreq("test_9_tx", 94),
    fU8("test_9_rx_step", 98),
    fU8("test_9_tx_step", 99),
    fFreq("test_10_rx", 100),
    fFreq("test_10_tx", 104),
    fU8("test_10_rx_step", 108),
    fU8("test_10_tx_step", 109),
    fFreq("test_11_rx", 110),
    fFreq("test_11_tx", 114),
    fU8("test_11_rx_step", 118),
    fU8("test_11_tx_step", 119),
    fFreq("test_12_rx", 120),
    fFreq("test_12_tx", 124),
    fU8("test_12_rx_step", 128),
    fU8("test_12_tx_step", 129),
    fFreq("test_13_rx", 130),
    fFreq("test_13_tx", 134),
    fU8("test_13_rx_step", 138),
    fU8("test_13_tx_step", 139),
    fFreq("test_14_rx", 140),
    fFreq("test_14_tx", 144),
    fU8("test_14_rx_step", 148),
    fU8("test_14_tx_step", 149),
    fFreq("test_15_rx", 150),
    fFreq("test_15_tx", 154),
    fU8("test_15_rx_step", 158),
    fU8("test_15_tx_step", 159),
    fFreq("point_0_rx", 160),
    fFreq("point_1_rx", 164),
    fFreq("point_2_rx", 168),
    fFreq("point_3_rx", 172),
    fFreq("point_4_rx", 176),
    fFreq("point_0_tx", 180),
    fFreq("point_1_tx", 184),
    fFreq("point_2_tx", 188),
    fFreq("point_3_tx", 192),
    fFreq("point_4_tx", 196),
    fBits("point_0_rx_step", 200, 0, 4),
    fBits("point_0_tx_step", 200, 4, 4),
    fBits("point_1_rx_step", 201, 0, 4),
    fBits("point_1_tx_step", 201, 4, 4),
    fBits("point_2_rx_step", 202, 0, 4),
    fBits("point_2_tx_step", 202, 4, 4),
    fBits("point_3_rx_step", 203, 0, 4),
    fBits("point_3_tx_step", 203, 4, 4),
    fBits("point_4_rx_step", 204, 0, 4),
    fBits("point_4_tx_step", 204, 4, 4),
};

// Test frequencies sit 150 kHz beside the transmit frequency, inside the band.
constexpr long kOffset = 15000;  // 0.15 MHz in 10 Hz units
constexpr long kUnitsPerMHz = 100000;
constexpr std::uint8_t kStep12k5 = 6;

}  // namespace

std::span<const FieldDesc> testFreqFields() { return kFields; }

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
