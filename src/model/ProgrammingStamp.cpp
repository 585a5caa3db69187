#include "model/ProgrammingStamp.h"

ProgrammingStamp makeProgrammingStamp(const std::tm& t)
{
    const int year = t.tm_year + 1900;
    auto b = [](int v) { return static_cast<std::uint8_t>(v < 0 ? 0 : v & 0xFF); };
    return {b(t.tm_sec), b(t.tm_min), b(t.tm_hour), b(t.tm_mday), b(t.tm_mon + 1), b(year % 100), b(year / 100), 0};
}

ProgrammingStamp programmingStampNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);  // the same, with the arguments the other way round
#else
    localtime_r(&now, &local);
#endif
    return makeProgrammingStamp(local);
}
