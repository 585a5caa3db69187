#pragma once
// Fills a language text used as a format ("%d-%d MHz", "%s") with arguments
// given as strings. Language files are not trusted, so this never hands the
// text to printf: each conversion takes the next argument (missing ones count
// as empty or 0), numeric conversions format the argument read as a number,
// and "%%" gives "%". Flags, width and precision are honoured (up to 256).
// The result is cut at kMaxFormattedText bytes, at a whole UTF-8 character,
// far beyond any message the program shows. `used`, when given, gets the
// number of conversions the text holds.
#include <string>
#include <string_view>
#include <vector>

constexpr std::size_t kMaxFormattedText = 64 * 1024;

std::string formatText(std::string_view format, const std::vector<std::string>& args,
                       std::size_t* used = nullptr);
