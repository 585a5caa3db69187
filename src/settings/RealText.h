#pragma once
// std::from_chars for a double, in the C locale, on every standard library
// the program builds with: where the library lacks the floating-point
// overload (Emscripten's libc++) the same is done with strtod, refusing
// what from_chars refuses (leading blanks, a plus sign, hexadecimal).
#include <charconv>

std::from_chars_result realFromChars(const char* first, const char* last, double& value);
