#include "settings/RealText.h"

#if !(defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L) && defined(_LIBCPP_VERSION)
#define QAV_REAL_BY_STRTOD 1
#include <cerrno>
#include <cstdlib>
#include <string>
#endif

std::from_chars_result realFromChars(const char* first, const char* last, double& value)
{
#ifdef QAV_REAL_BY_STRTOD
    std::from_chars_result fail{first, std::errc::invalid_argument};
    if (first == last || *first == ' ' || *first == '\t' || *first == '\n' || *first == '+') return fail;
    const std::string text(first, last);  // strtod needs the terminating zero
    std::size_t digits = text[0] == '-' ? 1 : 0;
    // from_chars reads "0x1p3" as the 0 before the x.
    if (text.size() > digits + 1 && text[digits] == '0' && (text[digits + 1] == 'x' || text[digits + 1] == 'X')) {
        value = text[0] == '-' ? -0.0 : 0.0;
        return {first + digits + 1, std::errc()};
    }
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(text.c_str(), &end);
    if (end == text.c_str()) return fail;
    const char* stop = first + (end - text.c_str());
    if (errno == ERANGE) return {stop, std::errc::result_out_of_range};
    value = v;
    return {stop, std::errc()};
#else
    return std::from_chars(first, last, value);
#endif
}
