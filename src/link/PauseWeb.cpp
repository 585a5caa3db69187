#include "link/Pause.h"

#include <emscripten.h>

// Whether the module was linked to suspend its stack (the page's module is,
// the test programs under Node are not).
EM_JS(int, canSuspend, (), { return typeof Asyncify === 'object' ? 1 : 0; });

namespace {

// A browser timer fires a millisecond or so late; the last stretch is waited
// out on the clock so the protocol's pauses stay exact.
constexpr auto kTimerSlack = std::chrono::milliseconds(2);

}  // namespace

void pauseUntil(PauseClock::time_point when)
{
    if (canSuspend()) {
        const auto ahead = std::chrono::duration_cast<std::chrono::milliseconds>(when - PauseClock::now() - kTimerSlack);
        // Browsers hold even a zero timer back by 4 ms once timers nest, so
        // a pause already over does not yield.
        if (ahead.count() > 0) emscripten_sleep(static_cast<unsigned>(ahead.count()));
    }
    while (PauseClock::now() < when) {
    }
}
