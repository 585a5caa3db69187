#pragma once
// Keys of the language-file texts: a prefix and the id as five digits.
#include <cstdio>
#include <string>

enum class LanguagePrefix { ModelFlag, Message, Caption, Identifier };  // S00 S01 S02 S03

inline std::string languageKey(LanguagePrefix prefix, int id)
{
    static constexpr const char* kFormats[] = {"S00%05d", "S01%05d", "S02%05d", "S03%05d"};
    char buf[32];
    std::snprintf(buf, sizeof buf, kFormats[static_cast<int>(prefix)], id);
    return buf;
}
