// The INI reader and writer on hostile input: any bytes parse, a document
// prints back to text that parses to the same values, and setting one key
// never changes what another key reads - whatever the names and values.
#include "MutationKit.h"

#include "settings/ProfileFile.h"
#include "settings/TestDir.h"

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr int kIterations = 300;

std::string lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// What a reader gets back for a value that was written: blanks around it
// are not kept and one pair of matching outer quotes is removed.
std::string asRead(std::string v)
{
    while (!v.empty() && (v.front() == ' ' || v.front() == '\t')) v.erase(0, 1);
    while (!v.empty() && (v.back() == ' ' || v.back() == '\t' || v.back() == '\r')) v.pop_back();
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) v = v.substr(1, v.size() - 2);
    return v;
}

// Section and key names lose only the blanks around them.
std::string trimName(std::string v)
{
    while (!v.empty() && (v.front() == ' ' || v.front() == '\t')) v.erase(0, 1);
    while (!v.empty() && (v.back() == ' ' || v.back() == '\t' || v.back() == '\r')) v.pop_back();
    return v;
}

}  // namespace

TEST(ProfileMutation, AnyBytesParseAndPrintBackToTheSameValues)
{
    const std::string valid = "\xEF\xBB\xBF; comment\r\n[Setting]\r\nLanguage=0\r\nModelID = QAV410 \r\n"
                              "Name=\"quoted, text\"\r\n[User Mode]\r\nLevel=1\r\n[Empty]\r\n";
    const char* keys[][2] = {{"Setting", "Language"}, {"setting", "modelid"}, {"Setting", "Name"},
                             {"User Mode", "Level"},  {"Empty", "x"},       {"Setting", "FreqRange"}};
    Mutator m(11);
    for (int i = 0; i < scaled(kIterations); ++i) {
        const std::string text = m.mutate(valid, 6);
        ProfileFile a;
        a.parse(text);
        ProfileFile b;
        b.parse(a.text());
        EXPECT_EQ(b.text(), a.text()) << "iteration " << i;
        for (const auto& k : keys) {
            EXPECT_EQ(a.find(k[0], k[1]), b.find(k[0], k[1])) << "iteration " << i;
            a.getInt(k[0], k[1], -7);
            const std::string v = a.getString(k[0], k[1], "dflt", ProfileBuffer::kShort);
            EXPECT_LT(v.size(), ProfileBuffer::kShort);
        }
    }
}

// Model-based: a map of what every key should read, kept beside the file
// through random sets with hostile names and values.
TEST(ProfileMutation, SettingAKeyChangesOnlyThatKey)
{
    Mutator m(12);
    TestDir dir;
    for (int round = 0; round < scaled(12); ++round) {
        ProfileFile file;
        std::map<std::pair<std::string, std::string>, std::string> expected;
        std::map<std::string, std::string> sectionSpelling;
        for (int i = 0; i < 40; ++i) {
            std::string section = m.chance(60) ? "S" + std::to_string(m.below(4)) : m.mutate("Section", 2);
            std::string key = m.chance(60) ? "k" + std::to_string(m.below(6)) : m.mutate("Key", 2);
            std::string value = m.mutate("value", 3);
            if (value.size() > 2000) value.resize(2000);
            const bool ok = file.setString(section, key, value);
            const std::string s = trimName(section), k = trimName(key);
            const bool bad = s.empty() || k.empty() || s.find_first_of(std::string("\r\n\0]", 4)) != std::string::npos ||
                             k.find_first_of(std::string("\r\n\0=", 4)) != std::string::npos || k[0] == '[' ||
                             k[0] == ';' || value.find_first_of(std::string("\r\n\0", 3)) != std::string::npos;
            EXPECT_EQ(ok, !bad) << "round " << round << " set " << i;
            if (!ok) continue;
            expected[{lower(s), lower(k)}] = asRead(value);
            for (const auto& [where, v] : expected) {
                const auto got = file.find(where.first, where.second);
                ASSERT_TRUE(got.has_value()) << "round " << round << " set " << i << ": [" << where.first << "] "
                                             << where.second << " lost\n" << file.text();
                EXPECT_EQ(*got, v) << "round " << round << " set " << i << ": [" << where.first << "] " << where.second
                                   << "\n" << file.text();
            }
        }
        ASSERT_TRUE(file.save(dir.file("p.ini")));
        ProfileFile back;
        ASSERT_TRUE(back.load(dir.file("p.ini")));
        for (const auto& [where, v] : expected) EXPECT_EQ(back.find(where.first, where.second), v) << "round " << round;
    }
}

TEST(ProfileMutation, IntegersOfAnyLengthClamp)
{
    Mutator m(13);
    for (int i = 0; i < scaled(2000); ++i) {
        const std::string text = m.mutate(std::string(m.chance(50) ? "-" : "") + "2147483647", 3);
        const long long v = parseProfileInt(text);
        EXPECT_GE(v, INT_MIN);
        EXPECT_LE(v, INT_MAX);
    }
    EXPECT_EQ(parseProfileInt("99999999999999999999999"), INT_MAX);
    EXPECT_EQ(parseProfileInt("-99999999999999999999999"), INT_MIN);
    EXPECT_EQ(truncateToBuffer("\xE4\xB8\xAD\xE6\x96\x87", 5), "\xE4\xB8\xAD");
}
