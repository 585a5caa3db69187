#include "link/Pause.h"

#include <algorithm>
#include <emscripten.h>

// Whether the module was linked to suspend its stack (the page's module is,
// the test programs under Node are not).
EM_JS(int, canSuspend, (), { return typeof Asyncify === 'object' ? 1 : 0; });

namespace {

using Millis = std::chrono::duration<double, std::milli>;

// How late the browser's timers fire here and now, learned from every
// pause: a timer is set that much early and the rest is waited out on the
// clock, so the protocol's pauses stay exact at the cost of a short spin.
double g_lateMs = 2.0;
constexpr double kMarginMs = 0.5;

}  // namespace

void pauseUntil(PauseClock::time_point when)
{
    if (canSuspend()) {
        const auto start = PauseClock::now();
        const double ahead = Millis(when - start).count() - g_lateMs - kMarginMs;
        // Browsers hold even a zero timer back by 4 ms once timers nest, so
        // a pause that is nearly over does not yield.
        if (ahead >= 1.0) {
            const unsigned ms = static_cast<unsigned>(ahead);
            emscripten_sleep(ms);
            const double late = Millis(PauseClock::now() - start).count() - ms;
            g_lateMs = std::clamp(0.75 * g_lateMs + 0.25 * late, 0.0, 15.0);
        }
    }
    while (PauseClock::now() < when) {
    }
}
