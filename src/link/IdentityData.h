#pragma once
// What the radio says about itself: identity items 3, 5, 7 and 8 as read.
#include <cstdint>
#include <string>
#include <vector>

struct IdentityData {
    std::string modelName;                 // item 3
    std::vector<std::uint8_t> bandBlock;   // item 5: option byte, low edge, high edge
    int optionByte = 0;                    // item 7
    std::string firmwareVersion;           // item 8, bytes 0-15
    std::string productId;                 // item 8, bytes 16-31
    // First character of the firmware version against the reference's:
    // 0 equal, 1 the radio's is greater, 2 smaller.
    int versionCompare = 0;
    bool haveModelName = false;
    bool haveBand = false;
    bool haveOption = false;
};

// 0, 1 or 2 as above.
int compareVersions(const std::string& radio, const std::string& reference);
