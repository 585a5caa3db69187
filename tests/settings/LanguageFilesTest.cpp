// The shipped language files: every text the code names is there in every
// language, both files hold the same keys, every list definition converts
// both ways, and the files select each other through their language list.
#include "settings/LanguageFile.h"
#include "settings/ProfileFile.h"
#include "settings/SettingsManager.h"
#include "settings/ShippedFiles.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include "TestSupport.h"

namespace {

namespace fs = std::filesystem;
using shipped::IniEntry;

const char* const kLanguageFiles[] = {"QAV_E.lng", "QAV_S.lng"};

LanguageFile loadLanguage(const std::string& name)
{
    LanguageFile lang;
    EXPECT_TRUE(lang.load(shipped::dataPath(name))) << name;
    return lang;
}

// Captions that are ";"-separated lists of something other than
// value.text items: language names, tuning item flags, tuning point names.
bool isOtherList(const std::string& key)
{
    return key == "S0201039" || key == "S0207054" || key == "S0207067";
}

bool looksLikeListDefinition(const std::string& value)
{
    static const std::regex kItemStart(R"(^-?\d+[.:])");
    return value.find(';') != std::string::npos || std::regex_search(value, kItemStart);
}

TEST(LanguageFiles, EveryNamedTextIdHasATextInEveryLanguage)
{
    auto ids = shipped::parseTextIds(shipped::readFile(shipped::sourcePath("src/settings/TextIds.h")));
    ASSERT_GE(ids.size(), 40u) << "TextIds.h no longer reads as one constant per line";
    // The texts only the desktop program's windows use.
    const auto windowIds = shipped::parseTextIds(shipped::readFile(shipped::sourcePath("src/frame/FrameTextIds.h")));
    ASSERT_GE(windowIds.size(), 9u) << "FrameTextIds.h no longer reads as one constant per line";
    ids.insert(ids.end(), windowIds.begin(), windowIds.end());
    for (const char* file : kLanguageFiles) {
        const LanguageFile lang = loadLanguage(file);
        for (const auto& id : ids) {
            ASSERT_TRUE(id.space == "MsgId" || id.space == "CapId") << id.name << " in namespace " << id.space;
            const std::string text = id.space == "MsgId" ? lang.message(id.id) : lang.caption(id.id);
            EXPECT_FALSE(text.empty()) << file << ": " << id.space << "::" << id.name << " = " << id.id;
        }
    }
}

TEST(LanguageFiles, BothLanguagesHoldTheSameKeysOnce)
{
    static const std::regex kTextKey(R"(^S0[0-3]\d{5}$)");
    std::map<std::string, std::set<std::pair<std::string, std::string>>> keysOf;
    for (const char* file : kLanguageFiles) {
        auto& keys = keysOf[file];
        for (const IniEntry& e : shipped::iniEntries(shipped::readFile(shipped::dataPath(file)))) {
            EXPECT_TRUE(keys.insert({e.section, e.key}).second) << file << ": [" << e.section << "] " << e.key << " twice";
            const bool settingName = e.section == "Setting" &&
                                     (e.key == "Language" || e.key == "LanguageList" || e.key == "HelpFile" || e.key == "Locale");
            EXPECT_TRUE(settingName || std::regex_match(e.key, kTextKey)) << file << ": " << e.key;
            if (e.section != "Setting") {
                EXPECT_EQ(e.key.substr(0, 3), "S00") << file << ": " << e.key;
            }
            EXPECT_FALSE(e.value.empty()) << file << ": " << e.key;
        }
        EXPECT_GT(keys.size(), 500u) << file;
    }
    EXPECT_EQ(keysOf[kLanguageFiles[0]], keysOf[kLanguageFiles[1]]);
}

TEST(LanguageFiles, DataFilesAreValidUtf8)
{
    for (const char* file : {"QAV_E.lng", "QAV_S.lng", "Model.dat", "Settings.ini", "volume.ini"}) {
        const std::string text = shipped::readFile(shipped::dataPath(file));
        EXPECT_FALSE(text.empty()) << file;
        EXPECT_TRUE(shipped::isValidUtf8(text)) << file;
    }
}

// Longer texts would be cut by the readers' buffers (terminator included).
TEST(LanguageFiles, TextsFitTheirBuffers)
{
    for (const char* file : kLanguageFiles) {
        for (const IniEntry& e : shipped::iniEntries(shipped::readFile(shipped::dataPath(file)))) {
            std::size_t buffer = ProfileBuffer::kLong;
            if (e.key.rfind("S01", 0) == 0 || e.key.rfind("S03", 0) == 0) buffer = ProfileBuffer::kMessage;
            if (e.key == "Language" || e.key == "LanguageList" || e.key == "HelpFile" || e.key == "Locale")
                buffer = ProfileBuffer::kShort;
            EXPECT_LT(e.value.size(), buffer) << file << ": " << e.key;
        }
    }
}

// Every shown item converts to its value and back, so a stored value shows
// the text it was chosen with; values and texts are unique within a list.
TEST(LanguageFiles, EveryListDefinitionConvertsBothWays)
{
    for (const char* file : kLanguageFiles) {
        int lists = 0;
        for (const IniEntry& e : shipped::iniEntries(shipped::readFile(shipped::dataPath(file)))) {
            if (e.key.rfind("S02", 0) != 0 || isOtherList(e.key) || !looksLikeListDefinition(e.value)) continue;
            ++lists;
            const std::string where = std::string(file) + ": " + e.key;
            for (auto item : splitListItems(e.value))
                EXPECT_NE(classifyListItem(item), ListItemKind::Ignored) << where << " item \"" << item << "\"";
            const std::vector<ListItem> items = comboItems(e.value);
            ASSERT_FALSE(items.empty()) << where;
            std::set<int> values;
            std::set<std::string> texts;
            for (const ListItem& item : items) {
                EXPECT_TRUE(values.insert(item.value).second) << where << " value " << item.value << " twice";
                EXPECT_TRUE(texts.insert(item.text).second) << where << " text \"" << item.text << "\" twice";
                EXPECT_EQ(textForValue(e.value, item.value), item.text) << where << " value " << item.value;
                EXPECT_EQ(valueForText(e.value, item.text), item.value) << where << " text " << item.text;
            }
        }
        EXPECT_GT(lists, 80) << file;
    }
}

TEST(LanguageFiles, FormatsTakeTheSameArgumentsInBothLanguages)
{
    // Texts that code fills in, with the conversions it supplies.
    const std::map<std::string, std::string> kFormats = {
        {"S0100818", "s"}, {"S0101138", "d"}, {"S0101139", "d"}, {"S0101142", "s"}, {"S0101154", "sss"},
        {"S0101244", "s"}, {"S0102231", "d"}, {"S0201604", "d"}, {"S0201605", "d"}, {"S0102241", "s"},
        {"S0102246", "s"}, {"S0102247", "s"}, {"S0207220", "dd"}, {"S0207252", "u"}, {"S0102261", "s"},
        {"S0102262", "ds"}, {"S0102264", "s"}, {"S0102267", "s"}, {"S0102268", "s"}, {"S0102270", "s"}, {"S0102297", "dd"},
        {"S0101274", "dd"}, {"S0101276", "dss"}, {"S0102351", "sd"}, {"S0102352", "s"}, {"S0102353", "sdd"},
    };
    for (const char* file : kLanguageFiles) {
        for (const IniEntry& e : shipped::iniEntries(shipped::readFile(shipped::dataPath(file)))) {
            if (e.key.rfind("S01", 0) != 0 && e.key.rfind("S02", 0) != 0) continue;
            const auto it = kFormats.find(e.key);
            EXPECT_EQ(shipped::conversions(e.value), it == kFormats.end() ? "" : it->second) << file << ": " << e.key;
        }
    }
}

TEST(LanguageFiles, LanguageListSelectsEachFileByItsIndex)
{
    const fs::path dir = fs::temp_directory_path() / ("qav-lang-" + std::to_string(testsupport::processId()));
    fs::remove_all(dir);
    fs::create_directories(dir / "user");
    for (const char* file : {"QAV_E.lng", "QAV_S.lng", "Settings.ini"})
        fs::copy_file(shipped::dataPath(file), dir / file);

    struct Case {
        int index;
        int selected;
        const char* file;
        const char* help;
    };
    for (const Case c : {Case{0, 0, "QAV_E.lng", "QAV_E.chm"}, Case{1, 1, "QAV_S.lng", "QAV_S.chm"},
                         Case{2, 0, "QAV_E.lng", "QAV_E.chm"}}) {
        CSettingsManager settings(dir.string() + "/", (dir / "user").string() + "/");
        settings.selectLanguage(c.index);
        EXPECT_EQ(settings.languageIndex(), c.selected) << c.index;
        EXPECT_EQ(fs::path(settings.languageFilePath()).filename(), c.file) << c.index;
        EXPECT_EQ(settings.helpFile(), c.help) << c.index;
        EXPECT_EQ(settings.caption(128), loadLanguage(c.file).caption(128)) << c.index;
    }
    fs::remove_all(dir);

    // The Language dialog offers the languages in index order.
    for (const char* file : kLanguageFiles) {
        const LanguageFile lang = loadLanguage(file);
        EXPECT_EQ(lang.listNames(1039), lang.languageList()) << file;
    }
}

// The tool tip and two-tone tone enabling read letters out of these texts,
// so a translation must keep them: the tones A-D of each call format.
TEST(LanguageFiles, CallFormatsNameTheSameTonesInBothLanguages)
{
    const LanguageFile en = loadLanguage("QAV_E.lng");
    const LanguageFile zh = loadLanguage("QAV_S.lng");
    const auto tones = [](const std::string& text) {
        std::string out;
        for (char t : std::string("ABCD"))
            if (text.find(t) != std::string::npos) out += t;
        return out;
    };
    for (int list = 5495; list <= 5498; ++list) {
        const auto items = en.comboItems(list);
        ASSERT_EQ(items.size(), 16u) << list;
        for (const ListItem& item : items) {
            EXPECT_FALSE(tones(item.text).empty()) << list << " " << item.text;
            EXPECT_EQ(tones(zh.textForValue(list, item.value)), tones(item.text)) << list << " value " << item.value;
        }
    }
}

// The Print Tree dialog selects, for a checked tree item, the first printed
// section whose name occurs in the item's text.
TEST(LanguageFiles, TreeItemsFindTheirPrintedSections)
{
    const int kSections[] = {1109, 6601, 5002, 1400, 4590, 4660, 3655, 2310, 5450, 5402, 3801, 4000};
    const std::pair<int, int> kTree[] = {
        {32800, 1109}, {32801, 0}, {32802, 6601}, {32803, 1400}, {32813, 0},    {32821, 3655}, {32822, 3655},
        {32823, 2310}, {32824, 2310}, {32883, 3801}, {32884, 3801}, {32886, 0}, {32887, 4000}, {32888, 0},
    };
    for (const char* file : kLanguageFiles) {
        const LanguageFile lang = loadLanguage(file);
        for (auto [treeId, section] : kTree) {
            const std::string text = lang.caption(treeId);
            int found = 0;
            for (int s : kSections) {
                const std::string name = lang.caption(s);
                ASSERT_FALSE(name.empty()) << file << " section " << s;
                if (text.find(name) != std::string::npos) {
                    found = s;
                    break;
                }
            }
            EXPECT_EQ(found, section) << file << ": tree item " << treeId << " \"" << text << "\"";
        }
    }
}

TEST(LanguageFiles, AcceptedIdentifiersAndModelFlagsNameShippedModels)
{
    ProfileFile models;
    ASSERT_TRUE(models.load(shipped::dataPath("Model.dat")));
    const std::string list = "," + models.getString("Setting", "ModelID", "", ProfileBuffer::kList) + ",";
    for (const char* file : kLanguageFiles) {
        const LanguageFile lang = loadLanguage(file);
        for (int id : {610, 620}) {
            const std::string modelId = lang.identifier(id);
            EXPECT_FALSE(modelId.empty()) << file << " " << id;
            EXPECT_NE(list.find("," + modelId + ","), std::string::npos) << file << ": " << modelId;
        }
        for (const IniEntry& e : shipped::iniEntries(shipped::readFile(shipped::dataPath(file)))) {
            if (e.section == "Setting") continue;
            EXPECT_NE(list.find("," + e.section + ","), std::string::npos) << file << ": flags of [" << e.section << "]";
            // A flag disables a control that has a text of its own.
            EXPECT_FALSE(lang.caption(std::stoi(e.key.substr(3))).empty()) << file << ": " << e.key;
        }
    }
}

TEST(LanguageFiles, TuningItemsHaveNamesFlagsAndPoints)
{
    std::map<std::string, std::string> flagsOf;
    for (const char* file : kLanguageFiles) {
        const LanguageFile lang = loadLanguage(file);
        const auto names = lang.listBoxItems(7053);
        const std::string flags = lang.caption(7054);
        flagsOf[file] = flags;
        std::vector<int> ids;
        for (auto entry : splitListItems(flags)) {
            int id = -1, mask = -1;
            ASSERT_EQ(std::sscanf(std::string(entry).c_str(), "%d,%d", &id, &mask), 2) << file << ": " << entry;
            EXPECT_TRUE(id >= 0x8000 && id <= 0x8484) << file << ": " << entry;
            EXPECT_TRUE(mask > 0 && mask <= 0xFFFF && (mask & 0x7FFF) != 0) << file << ": " << entry;
            ids.push_back(id);
        }
        std::vector<int> named;
        for (const ListItem& item : names) named.push_back(item.value);
        EXPECT_EQ(named, ids) << file;
        EXPECT_EQ(lang.listNames(7067).size(), 5u) << file;
    }
    EXPECT_EQ(flagsOf["QAV_E.lng"], flagsOf["QAV_S.lng"]);
}

}  // namespace
