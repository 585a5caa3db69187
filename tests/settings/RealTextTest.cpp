// realFromChars reads like std::from_chars for a double on every library,
// including the strtod stand-in of the WebAssembly build.
#include "settings/RealText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <system_error>

TEST(RealText, ReadsWhatFromCharsReadsAndRefusesTheRest)
{
    struct Case {
        const char* text;
        bool ok;
        double value;
        std::size_t used;
    };
    const Case cases[] = {
        {"446.00625", true, 446.00625, 9},
        {"-0.5", true, -0.5, 4},
        {"12.5 kHz", true, 12.5, 4},
        {"1e3", true, 1000.0, 3},
        {"0x10", true, 0.0, 1},  // the 0 before the x
        {"+1", false, 0, 0},
        {" 1", false, 0, 0},
        {"", false, 0, 0},
        {"MHz", false, 0, 0},
        {".", false, 0, 0},
    };
    for (const Case& c : cases) {
        double value = -7;
        const auto r = realFromChars(c.text, c.text + std::strlen(c.text), value);
        EXPECT_EQ(r.ec == std::errc(), c.ok) << c.text;
        if (!c.ok) {
            EXPECT_EQ(value, -7) << c.text;
            continue;
        }
        EXPECT_DOUBLE_EQ(value, c.value) << c.text;
        EXPECT_EQ(static_cast<std::size_t>(r.ptr - c.text), c.used) << c.text;
    }
    double value = 0;
    const char* huge = "1e999";
    EXPECT_EQ(realFromChars(huge, huge + 5, value).ec, std::errc::result_out_of_range);
}
