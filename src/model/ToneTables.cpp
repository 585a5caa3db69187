#include "model/ToneTables.h"

#include <algorithm>
#include <cstdio>

#include "model/ToneWord.h"

namespace ToneTables {

const std::array<std::uint16_t, 50> kCtcssTenths = {
    670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000,
    1035, 1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567,
    1598, 1622, 1655, 1679, 1713, 1738, 1773, 1799, 1835, 1862, 1899, 1928, 1966,
    1995, 2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541,
};

const std::array<std::uint16_t, 104> kCdcssCodes = {
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115,
    116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223,
    225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315,
    325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432, 445, 446,
    452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606, 612, 624,
    627, 631, 632, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754,
};

bool isStandardCtcss(unsigned tenths)
{
    return std::find(kCtcssTenths.begin(), kCtcssTenths.end(), tenths) != kCtcssTenths.end();
}

bool isStandardCdcss(unsigned decimalLooking)
{
    return std::find(kCdcssCodes.begin(), kCdcssCodes.end(), decimalLooking) != kCdcssCodes.end();
}

std::vector<std::string> ctcssItems()
{
    std::vector<std::string> items;
    for (std::uint16_t t : kCtcssTenths) items.push_back(ToneWord::ctcssText(t));
    return items;
}

std::vector<std::string> cdcssItems()
{
    std::vector<std::string> items;
    for (std::uint16_t c : kCdcssCodes) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%03u", static_cast<unsigned>(c));
        items.emplace_back(buf);
    }
    return items;
}

}  // namespace ToneTables
