#include "link/ExactPauses.h"

#include <windows.h>

#include <mmsystem.h>

// Windows wakes sleeping threads on its timer tick, 15.6 ms by default:
// longer than the protocol's shortest pause. A 1 ms tick is asked for once
// and kept until the process ends (Windows drops it then).
void requestExactPauses()
{
    static const bool asked = timeBeginPeriod(1) == TIMERR_NOERROR;
    (void)asked;
}
