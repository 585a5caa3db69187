#pragma once
// Thread-safe breakdown of a point in time into calendar fields. The C
// library's localtime()/gmtime() share one static buffer, which a transfer
// thread and the window thread would overwrite for each other; the safe
// variants differ between POSIX and Windows, hence this one interface.
#include <ctime>

// The local calendar time of `t`; false (and `out` untouched) when the
// system cannot convert it.
bool localCalendarTime(std::time_t t, std::tm& out);

// The same in UTC.
bool utcCalendarTime(std::time_t t, std::tm& out);
