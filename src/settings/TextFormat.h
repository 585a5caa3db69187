#pragma once
// Fills a language text used as a format ("%d-%d MHz", "%s") with arguments
// given as strings. Language files are not trusted, so this never hands the
// text to printf: each conversion takes the next argument (missing ones count
// as empty or 0), numeric conversions format the argument read as a number,
// and "%%" gives "%". Flags, width and precision are honoured. `used`, when
// given, gets the number of conversions the text holds.
#include <string>
#include <string_view>
#include <vector>

std::string formatText(std::string_view format, const std::vector<std::string>& args,
                       std::size_t* used = nullptr);
