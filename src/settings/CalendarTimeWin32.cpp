#include "settings/CalendarTime.h"

// The Microsoft C library's variants return an error number (0 on success)
// and take their arguments the other way round.
bool localCalendarTime(std::time_t t, std::tm& out)
{
    std::tm parts{};
    if (localtime_s(&parts, &t) != 0) return false;
    out = parts;
    return true;
}

bool utcCalendarTime(std::time_t t, std::tm& out)
{
    std::tm parts{};
    if (gmtime_s(&parts, &t) != 0) return false;
    out = parts;
    return true;
}
