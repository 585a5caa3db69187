#include "link/ExactPauses.h"

// The browser's timers are what they are; the pauses themselves wait out the
// last stretch on the clock (PauseWeb.cpp).
void requestExactPauses() {}
