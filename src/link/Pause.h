#pragma once
// The waits of a radio session: the protocol's fixed pauses and the
// simulated radio's line time. On a desktop the session runs on a worker
// thread, which simply sleeps. In the browser the module runs on the page's
// one thread, which must never block: there a pause hands control back to
// the page and the session resumes when the time is up.
#include <chrono>

using PauseClock = std::chrono::steady_clock;

void pauseUntil(PauseClock::time_point when);

inline void pauseFor(std::chrono::microseconds span)
{
    if (span.count() > 0) pauseUntil(PauseClock::now() + span);
}
