#include "controls/RangeValueEdit.h"
#include "controls/SpinButtons.h"

#include <gtest/gtest.h>

namespace {

TEST(SpinStep, StepsStayWithinTheRange)
{
    struct Case {
        const char* name;
        RangeParams params;
        bool offBelow;
        int start;      // stored value
        int steps;
        QString shown;
        int stored;
    };
    const RangeParams freq{400, 10, 2550, 1, 40, 1, 0};      // alert tone Hz, codes 40-255
    const RangeParams duration{10, 10, 2550, 1, 1, 1, 0};    // alert tone ms, codes 1-255
    const RangeParams tenths{0, 1, 50, 10, 0, 1, 1};         // seconds with one decimal
    const Case cases[] = {
        {"no tone steps up to the lowest tone", freq, true, 0, 1, "400", 40},
        {"the lowest tone steps down to no tone", freq, true, 40, -1, "Off", 0},
        {"no tone stays at the low end", freq, true, 0, -1, "Off", 0},
        {"the highest tone stays", freq, true, 255, 1, "2550", 255},
        {"a middle tone", freq, true, 100, 1, "1010", 101},
        {"the shortest duration stays", duration, false, 1, -1, "10", 1},
        {"the longest duration stays", duration, false, 255, 1, "2550", 255},
        {"a duration of 0 steps up to the shortest", duration, false, 0, 1, "10", 1},
        {"one decimal", tenths, false, 5, 1, "0.6", 6},
        {"down to the minimum 0 is off", tenths, false, 1, -1, "Off", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CRangeValueEdit edit;
        edit.setParams(c.params);
        edit.setValue(c.start);
        CSpinButtons spin(&edit, c.offBelow);
        spin.step(c.steps);
        EXPECT_EQ(edit.text(), c.shown);
        EXPECT_EQ(edit.selectedText(), edit.text());
        EXPECT_EQ(edit.value(), c.stored);
    }
}

}  // namespace
