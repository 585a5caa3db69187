// Language files are untrusted: damaged copies of the shipped English file
// go through every lookup the program makes (messages, captions,
// identifiers, list definitions and range rules, numeric edit parameters,
// tooltips, status prompts, model flags) and every message is used as a
// format. Nothing may crash, and the results stay within their limits.
#include "MutationKit.h"

#include "settings/LanguageFile.h"
#include "settings/ListDefinition.h"
#include "settings/SettingsManager.h"
#include "settings/TestDir.h"
#include "settings/TextFormat.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

namespace {

constexpr int kIterations = 60;
constexpr std::size_t kIdsPerIteration = 50;

std::string shipped(const char* name)
{
    std::ifstream in(std::string(QAV_DATA_DIR) + "/" + name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The text ids the file defines, by prefix (S00, S01, S02, S03).
std::vector<std::pair<int, int>> definedIds(const std::string& text)
{
    std::vector<std::pair<int, int>> ids;
    const std::regex key(R"(^S0([0-3])(\d{5})=)", std::regex::multiline);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), key); it != std::sregex_iterator(); ++it)
        ids.emplace_back(std::stoi((*it)[1]), std::stoi((*it)[2]));
    return ids;
}

std::vector<std::string> randomArgs(Mutator& m)
{
    std::vector<std::string> args;
    for (std::size_t n = m.below(4); n > 0; --n) {
        const char* seeds[] = {"12", "-2147483648", "99999999999999999999", "1e308", "text", "%s%n", ""};
        args.push_back(m.chance(50) ? seeds[m.below(7)] : m.mutate(seeds[m.below(7)], 2));
    }
    return args;
}

// Every lookup on one id, as the editors, the frame and the printout make them.
void lookUp(const LanguageFile& lng, int prefix, int id, Mutator& m)
{
    switch (prefix) {
    case 0: lng.modelFlag("QAV410", id); break;
    case 1: {
        const std::string text = lng.message(id);
        EXPECT_LT(text.size(), ProfileBuffer::kMessage);
        lng.findMessage(id);
        lng.statusPrompt(id);
        const std::string shown = formatText(text, randomArgs(m));
        EXPECT_LE(shown.size(), kMaxFormattedText) << "message " << id;
        break;
    }
    case 2: {
        const std::string text = lng.caption(id);
        EXPECT_LT(text.size(), ProfileBuffer::kLong);
        EXPECT_LE(lng.tooltip(id, 0).size(), 79u);
        EXPECT_LE(lng.tooltip(id, 1).size(), 79u);
        lng.tooltip(id, 2);
        const auto items = lng.comboItems(id);
        lng.listBoxItems(id);
        lng.listNames(id);
        lng.numericEditParams(id);
        // Round trips through the texts a choice control shows.
        for (std::size_t k = 0; k < std::min<std::size_t>(items.size(), 4); ++k) {
            const ListItem& item = items[m.below(items.size())];
            lng.valueForText(id, item.text);
            lng.textForValue(id, item.value);
        }
        lng.textForValue(id, static_cast<int>(m.below(300)) - 10);
        lng.valueForText(id, m.mutate("12.5", 2));
        break;
    }
    default: lng.identifier(id); break;
    }
}

}  // namespace

TEST(LanguageMutation, DamagedFilesAnswerEveryLookup)
{
    for (const char* name : {"QAV_E.lng", "QAV_S.lng"}) {
        const std::string valid = shipped(name);
        ASSERT_FALSE(valid.empty()) << name;
        const auto ids = definedIds(valid);
        ASSERT_GT(ids.size(), 100u) << name;
        Mutator m(name[4] == 'E' ? 601 : 602);
        for (int i = 0; i < scaled(kIterations); ++i) {
            LanguageFile lng;
            lng.loadText(m.mutate(valid, 8));
            lng.languageName();
            lng.languageList();
            lng.helpFile("x");
            lng.isAcceptedIdentifier("QAV410");
            lng.isSecondAcceptedIdentifier("");
            for (std::size_t k = 0; k < kIdsPerIteration; ++k) {
                const auto& [prefix, id] = ids[m.below(ids.size())];
                lookUp(lng, prefix, id, m);
            }
        }
    }
}

// Choosing a language reads every .lng file of the program folder; damaged
// ones must neither crash the choice nor stop English from being the fallback.
TEST(LanguageMutation, ChoosingAmongDamagedFiles)
{
    TestDir dir;
    const std::string english = shipped("QAV_E.lng");
    const std::string chinese = shipped("QAV_S.lng");
    dir.write("Settings.ini", "[Setting]\nLanguage=1\n");
    Mutator m(603);
    for (int i = 0; i < scaled(20); ++i) {
        dir.write("QAV_E.lng", m.chance(50) ? m.mutate(english, 4) : english);
        dir.write("QAV_S.lng", m.mutate(chinese, 4));
        dir.write("QAV_X.lng", m.mutate("[Setting]\nLanguage=Other\nLanguageList=English,Chinese,Other\n", 4));
        CSettingsManager settings(dir.path(), dir.file("user/"));
        settings.loadStartupLanguage();
        for (int index : {-1, 0, 1, 2, 7}) {
            settings.selectLanguage(index);
            EXPECT_FALSE(settings.languageFilePath().empty());
            EXPECT_GE(settings.languageIndex(), 0);
        }
    }
}

TEST(ListDefinitionMutation, AnyDefinitionExpandsWithinBounds)
{
    const std::string seeds[] = {
        "0.Off;1.On", "0:1:15:1:0:1:0", "1250:625:3000:100:0:1:2", "0.None;5:5:100:1:1:1:0;200.Max",
        "-2147483648:1:2147483647:-1:2147483647:2147483647:15", "0:2147483647:2147483647:1:0:-2147483648:0"};
    Mutator m(604);
    for (int i = 0; i < scaled(400); ++i) {
        const std::string def = m.mutate(seeds[m.below(6)], 4);
        const auto items = comboItems(def);
        EXPECT_LE(items.size(), static_cast<std::size_t>(kMaxRangeItems)) << def;
        listBoxItems(def);
        listNames(def);
        parseNumericEditParams(def);
        for (int k = 0; k < 3 && !items.empty(); ++k) {
            const ListItem& it = items[m.below(items.size())];
            valueForText(def, it.text);
            textForValue(def, it.value);
        }
        for (int v : {INT_MIN, -1, 0, 1, 7, INT_MAX}) textForValue(def, v);
        for (const char* t : {"", "-", "1e400", "nan", "-2147483649", "0.0000001", "99999999999999999999"})
            valueForText(def, t);
    }
}

TEST(TextFormatMutation, AnyFormatWithAnyArguments)
{
    const std::string seeds[] = {"%d-%d MHz", "%s", "COM%d", "%-10.3s|%+05d|%x|%o|%e|%g|%c|%%|%n|%p|%*d",
                                 "%256.256f", "%999999999999d", "%.99999999999f", "%#0- +c"};
    Mutator m(605);
    for (int i = 0; i < scaled(3000); ++i) {
        const std::string format = m.mutate(seeds[m.below(8)], 4);
        const auto args = randomArgs(m);
        std::size_t argBytes = 0;
        for (const auto& a : args) argBytes += a.size();
        const std::string out = formatText(format, args);
        // Every conversion adds at most its width or its argument.
        EXPECT_LE(out.size(), format.size() * 600 + argBytes * 2) << "iteration " << i;
    }
}

// A NUL byte after "%" is text, not a flag or a length modifier: it must not
// reach the platform formatter as part of a conversion.
TEST(TextFormatMutation, NulBytesAfterPercentAreKeptAsText)
{
    struct Case { std::string format; std::string shown; };
    const Case cases[] = {
        {std::string("%\0d", 3), std::string("%\0d", 3)},
        {std::string("a%\0", 3), std::string("a%\0", 3)},
        {std::string("%5\0d", 4), std::string("%5\0d", 4)},
        {std::string("%l\0d|%d", 7), std::string("%l\0d|7", 6)},
    };
    for (const auto& c : cases) EXPECT_EQ(formatText(c.format, {"7"}), c.shown) << c.format.size();
}

// A long definition made of large ranges: the items of one definition are
// capped as a whole, not per range (1400 ranges of 100000 items each would
// take gigabytes).
TEST(ListDefinitionMutation, ManyLargeRangesStayWithinTheItemLimit)
{
    std::string def;
    while (def.size() < ProfileBuffer::kLong - 20) def += "0:1:99999:1:0:1:0;";
    def += "100000.Last";
    const auto items = comboItems(def);
    EXPECT_EQ(items.size(), static_cast<std::size_t>(kMaxRangeItems));
    EXPECT_EQ(listPairs(def).size(), static_cast<std::size_t>(kMaxRangeItems));
    EXPECT_EQ(textForValue(def, 100000), "Last");  // an item past the cap is still found
    EXPECT_EQ(valueForText(def, "5"), 5);
}
