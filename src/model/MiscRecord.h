#pragma once
// Miscellaneous record, 73 bytes. Record bytes 0-35 come from image 145-180
// and bytes 36-72 from image 217-253; bytes 41-72 (image 222-253) are also
// the factory settings block's view of the same memory. The 16-bit words at
// 23 and 47 are held in host order (high byte first in the image).
//
//  5 bits 0-2 VOX gain, bit 3 VOX inhibit on receive   6 VOX delay
//  8 carrier squelch level   36 bit 0 battery save, bit 1 CTCSS tail revert
//  37 low power alert gap    40 bits 0-2 battery save mode
//  44 release/debug, LCD and option bits (factory settings)
//  50, 51 wide and narrow volume (factory settings)
#include "model/FieldTable.h"
#include "model/Record.h"

#include <span>

namespace MiscField {
constexpr std::size_t kSize = 73;
constexpr Offset Vox{5};
constexpr unsigned VoxGainLo = 0, VoxGainBits = 3;
constexpr unsigned VoxInhibitBit = 3;
constexpr Offset VoxDelay{6};
constexpr Offset CarrierSquelch{8};
constexpr Offset Word23{23};
constexpr Offset Battery{36};
constexpr unsigned BatterySaveBit = 0;
constexpr unsigned TailRevertBit = 1;
constexpr Offset LowPowerAlertGap{37};
constexpr Offset BatterySaveMode{40};
constexpr Offset SharedStart{41};  // bytes 41-72 are the factory settings block's too
constexpr std::size_t kSharedLength = 32;
constexpr Offset FactoryOptions{44};
constexpr unsigned ReleaseDebugBit = 0;
constexpr unsigned LcdBit = 2;
constexpr Offset Word47{47};
constexpr Offset WideVolume{50};
constexpr Offset NarrowVolume{51};
}  // namespace MiscField

// Factory values; bits they do not name keep their content.
void loadMiscFactoryValues(Record& misc);

std::span<const FieldDesc> miscSchema();
