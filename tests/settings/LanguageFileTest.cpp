#include "settings/LanguageFile.h"
#include "settings/LanguageKey.h"
#include "settings/TestDir.h"
#include "settings/TextFormat.h"

#include <gtest/gtest.h>

namespace {

TEST(LanguageKey, FiveDigitIdsAfterThePrefix)
{
    struct Case { LanguagePrefix prefix; int id; const char* key; };
    const Case cases[] = {
        {LanguagePrefix::Message, 5, "S0100005"},     {LanguagePrefix::Message, 814, "S0100814"},
        {LanguagePrefix::Caption, 32790, "S0232790"}, {LanguagePrefix::Identifier, 610, "S0300610"},
        {LanguagePrefix::ModelFlag, 1076, "S0001076"}, {LanguagePrefix::Caption, 123456, "S02123456"},
    };
    for (const auto& c : cases) EXPECT_EQ(languageKey(c.prefix, c.id), c.key);
}

class LanguageFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(lang.load(TestDir::fixtureDir() + "QAV_E.lng")); }
    LanguageFile lang;
};

TEST_F(LanguageFileTest, LookupsByPrefix)
{
    EXPECT_EQ(lang.message(5), "Five");
    EXPECT_EQ(lang.caption(5), "");          // same number, other prefix
    EXPECT_EQ(lang.caption(128), "QAV Programming Software");
    EXPECT_EQ(lang.identifier(610), "QAV-UV");
    EXPECT_EQ(lang.message(99999), "");
    EXPECT_EQ(lang.languageName(), "English");
    EXPECT_EQ(lang.languageList(), (std::vector<std::string>{"English", "Chinese"}));
    EXPECT_EQ(lang.helpFile("x"), "qav_E.chm");
}

TEST_F(LanguageFileTest, PresenceReportingLookupTreatsEmptyAsAbsent)
{
    EXPECT_EQ(lang.findCaption(32790), std::optional<std::string>("&File"));
    EXPECT_FALSE(lang.findCaption(900));     // key present, text empty
    EXPECT_FALSE(lang.findCaption(32791));   // key missing
    EXPECT_FALSE(lang.findMessage(128));
}

TEST_F(LanguageFileTest, PerModelFlagsAndAcceptedIdentifiers)
{
    EXPECT_EQ(lang.modelFlag("QAV-UV", 1076), 1);
    EXPECT_EQ(lang.modelFlag("qav-uv", 1076), 1);
    EXPECT_EQ(lang.modelFlag("QAV-U", 1076), 0);
    EXPECT_EQ(lang.modelFlag("", 1076), 0);
    EXPECT_TRUE(lang.isAcceptedIdentifier("QAV-UV"));
    EXPECT_FALSE(lang.isAcceptedIdentifier("QAV-U"));
    EXPECT_TRUE(lang.isSecondAcceptedIdentifier("QAV-U"));
    LanguageFile empty;
    EXPECT_FALSE(empty.isAcceptedIdentifier(""));
}

TEST_F(LanguageFileTest, ListsByCaptionId)
{
    EXPECT_EQ(lang.textForValue(1076, 2), "DTMF");
    EXPECT_EQ(lang.valueForText(1076, "Two-Tone"), 1);
    EXPECT_EQ(lang.listNames(1039), (std::vector<std::string>{"English", "Chinese"}));
    EXPECT_EQ(lang.comboItems(4500).size(), 5u);
}

TEST_F(LanguageFileTest, TooltipsAndStatusPrompts)
{
    EXPECT_EQ(lang.tooltip(32771, 0), "Model Information");  // second "&" field
    EXPECT_EQ(lang.tooltip(32771, 1), "&Model Information&Model information");
    EXPECT_EQ(lang.tooltip(32771, 2), "");
    EXPECT_EQ(lang.statusPrompt(32777), std::optional<std::string>("Select the language"));
    EXPECT_EQ(lang.statusPrompt(32778), std::optional<std::string>("Ready"));
    LanguageFile chinese;
    ASSERT_TRUE(chinese.load(TestDir::fixtureDir() + "QAV_S.lng"));
    EXPECT_EQ(chinese.tooltip(32771, 1), "\xE5\x9E\x8B\xE5\x8F\xB7\xE4\xBF\xA1\xE6\x81\xAF");  // BOM file
    EXPECT_FALSE(chinese.statusPrompt(32777));
}

TEST(TextFormat, FillsArgumentsWithoutTrustingTheFormat)
{
    struct Case { const char* format; std::vector<std::string> args; const char* text; };
    const Case cases[] = {
        {"Firmware %s refused", {"1.04"}, "Firmware 1.04 refused"},
        {"%d-%d MHz", {"136", "174"}, "136-174 MHz"},
        {"%03d|%-4s|%5.1f|%%", {"7", "ab", "2.25"}, "007|ab  |  2.2|%"},
        {"%s %s %n %p", {"only"}, "only  %n %p"},
        {"%999999999d", {"1"}, nullptr},
        {"trailing %", {}, "trailing %"},
        {"%.2s", {"abcdef"}, "ab"},
    };
    for (const auto& c : cases) {
        std::string out = formatText(c.format, c.args);
        if (c.text) EXPECT_EQ(out, c.text) << c.format;
        else EXPECT_LE(out.size(), 300u);
    }
}

std::string repeated(std::string_view piece, std::size_t times)
{
    std::string s;
    for (std::size_t i = 0; i < times; ++i) s += piece;
    return s;
}

// A language file is not trusted: however many wide conversions or however
// much text a message holds, the result stays within the cap, is cut at a
// whole UTF-8 character, and still counts every conversion.
TEST(TextFormat, HostileFormatsAreCutAtTheCap)
{
    struct Case {
        const char* name;
        std::string format;
        std::vector<std::string> args;
        std::size_t size;  // of the result
        std::size_t used;
    };
    const std::string wide(300, 'w');
    const Case cases[] = {
        {"a legitimate text stays exact", "%d of %d radios written.", {"3", "5"}, 22, 2},
        {"many wide numbers", repeated("%256d", 100000), {"1"}, kMaxFormattedText, 100000},
        {"many wide strings", repeated("%-256s", 1000), {wide, wide}, kMaxFormattedText, 1000},
        {"many long fixed-point numbers", repeated("%.256f", 1000), {"-1e308"}, kMaxFormattedText, 1000},
        {"plain text alone", std::string(100000, 'x'), {}, kMaxFormattedText, 0},
        {"just at the cap", std::string(kMaxFormattedText, 'x'), {}, kMaxFormattedText, 0},
        {"three-byte characters", repeated("\xE4\xB8\xAD", 30000), {}, kMaxFormattedText - 1, 0},
        {"four-byte characters after one byte", "a" + repeated("\xF0\x9F\x93\xBB", 20000), {}, kMaxFormattedText - 3, 0},
        {"a cut argument", "%s", {std::string(kMaxFormattedText + 5, 'a')}, kMaxFormattedText, 1},
        {"a two-byte character at the cut", std::string(kMaxFormattedText - 1, 'x') + "\xC3\xA9", {}, kMaxFormattedText - 1, 0},
    };
    for (const Case& c : cases) {
        std::size_t used = 0;
        const std::string out = formatText(c.format, c.args, &used);
        EXPECT_EQ(out.size(), c.size) << c.name;
        EXPECT_EQ(used, c.used) << c.name;
        // Text without conversions is only ever cut.
        if (c.used == 0) {
            EXPECT_EQ(c.format.compare(0, out.size(), out), 0) << c.name;
        }
    }
    EXPECT_EQ(formatText("%d of %d radios written.", {"3", "5"}), "3 of 5 radios written.");
}

}  // namespace
