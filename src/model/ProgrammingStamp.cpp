#include "model/ProgrammingStamp.h"

#include "settings/CalendarTime.h"

#include <cstdio>
#include <cstdlib>

ProgrammingStamp makeProgrammingStamp(const std::tm& t)
{
    const int year = t.tm_year + 1900;
    auto b = [](int v) { return static_cast<std::uint8_t>(v < 0 ? 0 : v & 0xFF); };
    return {b(t.tm_sec), b(t.tm_min), b(t.tm_hour), b(t.tm_mday), b(t.tm_mon + 1), b(year % 100), b(year / 100), 0};
}

ProgrammingStamp programmingStampNow()
{
    // SOURCE_DATE_EPOCH (seconds since 1970, UTC) pins the clock, so a
    // factory codeplug made by a script or a test is the same on every run.
    if (const char* fixed = std::getenv("SOURCE_DATE_EPOCH"); fixed && *fixed) {
        char* end = nullptr;
        const long long seconds = std::strtoll(fixed, &end, 10);
        if (end && *end == '\0' && seconds >= 0) {
            const auto when = static_cast<std::time_t>(seconds);
            std::tm utc{};
            if (utcCalendarTime(when, utc)) return makeProgrammingStamp(utc);
        }
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localCalendarTime(now, local);
    return makeProgrammingStamp(local);
}

std::string programmingStampText(const ProgrammingStamp& s)
{
    const int second = s[0] < 60 ? s[0] : 59;
    const int minute = s[1] < 60 ? s[1] : 59;
    const int hour = s[2] < 24 ? s[2] : 0;
    const int day = s[3] < 32 ? s[3] : 31;
    const int month = s[4] < 13 ? s[4] : 12;
    const int year = s[5] < 38 ? 2000 + s[5] : 2037;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute, second);
    return buf;
}
