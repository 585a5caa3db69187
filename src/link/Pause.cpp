#include "link/Pause.h"

#include <thread>

void pauseUntil(PauseClock::time_point when)
{
    std::this_thread::sleep_until(when);
}
