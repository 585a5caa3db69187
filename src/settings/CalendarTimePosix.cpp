#include "settings/CalendarTime.h"

bool localCalendarTime(std::time_t t, std::tm& out)
{
    std::tm parts{};
    if (!localtime_r(&t, &parts)) return false;
    out = parts;
    return true;
}

bool utcCalendarTime(std::time_t t, std::tm& out)
{
    std::tm parts{};
    if (!gmtime_r(&t, &parts)) return false;
    out = parts;
    return true;
}
