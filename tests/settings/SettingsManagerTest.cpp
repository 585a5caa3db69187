#include "settings/ProfileFile.h"
#include "settings/SettingsManager.h"
#include "settings/TestDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// Paths compared as paths: on Windows the program joins with '\\' what the
// test spells with '/'.
std::string pathOf(const std::string& p) { return std::filesystem::path(p).lexically_normal().generic_string(); }

class SettingsManagerTest : public ::testing::Test {
protected:
    void SetUp() override { home.copyFixtures(); }
    std::string setting(const std::string& key, const std::string& file = "Settings.ini")
    {
        return readProfileString(home.file(file), "Setting", key, "<missing>", 100);
    }
    TestDir home;
    TestDir user;
};

TEST_F(SettingsManagerTest, ReadsTheCurrentValues)
{
    CSettingsManager s(home.path(), user.path());
    EXPECT_EQ(pathOf(s.programDir()), pathOf(home.path()));
    EXPECT_EQ(s.modelId(), "QAV-UV");
    EXPECT_EQ(s.modelName(), "QAV-100");
    EXPECT_EQ(s.freqRange(), "400-470");
    EXPECT_EQ(s.signal(), 1);
    EXPECT_EQ(s.comPort(), 3);
    EXPECT_EQ(s.addRangeAnswer(), CSettingsManager::kAnswerYes);
    EXPECT_EQ(pathOf(s.defaultCodeplugPath()), pathOf(home.path() + "QAV-UV400-470DefaultSet.dat"));
}

TEST_F(SettingsManagerTest, MissingFileGivesDefaults)
{
    TestDir empty;
    CSettingsManager s(empty.path(), user.path());
    EXPECT_EQ(s.modelId(), "");
    EXPECT_EQ(s.freqRange(), "");
    EXPECT_EQ(s.signal(), 0);
    EXPECT_EQ(s.comPort(), 1);
    EXPECT_EQ(s.accessLevel(), AccessLevel::User);
    EXPECT_EQ(s.message(5), "");
}

TEST_F(SettingsManagerTest, LongValuesAreCutTo99Characters)
{
    home.write("Settings.ini", "[Setting]\nModelName=" + std::string(500, 'n') + "\n");
    CSettingsManager s(home.path(), user.path());
    EXPECT_EQ(s.modelName().size(), 99u);
}

TEST_F(SettingsManagerTest, WritesSignalPortAndRangeKeepingTheRest)
{
    {
        CSettingsManager s(home.path(), user.path());
        s.setSignal(2);
        s.setComPort(7);
        s.setFreqRange("136-174");
        s.setModelName("changed");  // never written
        ASSERT_TRUE(s.writeSettings());
    }
    EXPECT_EQ(setting("Signal"), "2");
    EXPECT_EQ(setting("ComPort"), "7");
    EXPECT_EQ(setting("FreqRange"), "136-174");
    EXPECT_EQ(setting("ModelName"), "QAV-100");
    EXPECT_NE(home.read("Settings.ini").find("; program settings"), std::string::npos);
}

TEST_F(SettingsManagerTest, APortDeviceIsKeptOnlyOnceChosen)
{
    {
        CSettingsManager s(home.path(), user.path());
        EXPECT_EQ(s.portDevice(), "");
        ASSERT_TRUE(s.writeSettings());
    }
    EXPECT_EQ(setting("PortDevice"), "<missing>");  // no key added for nothing
    for (const std::string device : {"/dev/ttyUSB0", "sim", ""}) {
        {
            CSettingsManager s(home.path(), user.path());
            s.setPortDevice(device);
            ASSERT_TRUE(s.writeSettings());
        }
        CSettingsManager again(home.path(), user.path());
        EXPECT_EQ(again.portDevice(), device);
    }
    EXPECT_EQ(setting("PortDevice"), "");  // cleared, not left behind
}

TEST_F(SettingsManagerTest, DecliningANewRangeKeepsThePreviousRangeAtTheEnd)
{
    struct Case { int answer; const char* written; };
    const Case cases[] = {{CSettingsManager::kAnswerNo, "400-470"}, {CSettingsManager::kAnswerYes, "350-390"}};
    for (const auto& c : cases) {
        home.copyFixtures("Settings.ini");
        {
            CSettingsManager s(home.path(), user.path());
            s.setWriteOnDestruction(true);
            s.setSavedFreqRange(s.freqRange());  // a read from the radio replaced the range
            s.setFreqRange("350-390");
            s.setAddRangeAnswer(c.answer);
        }
        EXPECT_EQ(setting("FreqRange"), c.written);
    }
}

TEST_F(SettingsManagerTest, FailedWriteLeavesTheFileAndSaysWhy)
{
    // The user folder cannot be made: its parent is a file.
    user.write("blocker", "");
    ConfigLocations where(home.path(), user.file("blocker/qav-cps"));
    where.assumeProgramDirWritable(false);
    CSettingsManager s(where);
    std::string before = home.read("Settings.ini");
    s.setComPort(12);
    EXPECT_FALSE(s.writeSettings());
    EXPECT_NE(s.lastError().find("qav-cps"), std::string::npos);
    EXPECT_EQ(home.read("Settings.ini"), before);
}

TEST_F(SettingsManagerTest, AccessLevels)
{
    struct Case { const char* level; AccessLevel access; bool extended; };
    const Case cases[] = {
        {"52806273", AccessLevel::Full, true},   {"52718394", AccessLevel::Factory, true},
        {" 52718394x", AccessLevel::Factory, true}, {"0", AccessLevel::User, false},
        {"52806274", AccessLevel::User, false},  {"", AccessLevel::User, false},
    };
    CSettingsManager s(home.path(), user.path());
    for (const auto& c : cases) {
        ASSERT_TRUE(writeProfileString(home.file("Settings.ini"), home.file("Settings.ini"), "User Mode", "Level", c.level));
        EXPECT_EQ(s.accessLevel(), c.access) << c.level;  // read at every test
        EXPECT_EQ(s.isExtendedAccess(), c.extended) << c.level;
    }
}

TEST_F(SettingsManagerTest, LanguageSelection)
{
    struct Case { int index; int selected; const char* name; const char* file; const char* message5; };
    const Case cases[] = {
        {1, 1, "Chinese", "QAV_S.lng", "\xE4\xBA\x94"},
        {0, 0, "English", "QAV_E.lng", "Five"},
        {3, 0, "English", "QAV_E.lng", "Five"},   // beyond the list: English, 0 written back
        {-1, 0, "English", "QAV_E.lng", "Five"},
    };
    CSettingsManager s(home.path(), user.path());
    for (const auto& c : cases) {
        ASSERT_TRUE(writeProfileString(home.file("Settings.ini"), home.file("Settings.ini"), "Setting", "Language",
                                       std::to_string(c.index)));
        EXPECT_TRUE(s.loadStartupLanguage());
        EXPECT_EQ(s.languageIndex(), c.selected) << c.index;
        EXPECT_EQ(s.languageName(), c.name) << c.index;
        EXPECT_EQ(pathOf(s.languageFilePath()), pathOf(home.file(c.file))) << c.index;
        EXPECT_EQ(s.message(5), c.message5) << c.index;
        EXPECT_EQ(setting("Language"), std::to_string(c.selected));
    }
    EXPECT_EQ(s.modelFlag(1076), 1);
    EXPECT_EQ(s.modelFlagFor("QAV-U", 1076), 0);
}

TEST_F(SettingsManagerTest, NoLanguageFilesGivesEnglishWithEmptyTexts)
{
    TestDir bare;
    CSettingsManager s(bare.path(), user.path());
    EXPECT_TRUE(s.selectLanguage(1));
    EXPECT_EQ(s.languageIndex(), 0);
    EXPECT_EQ(pathOf(s.languageFilePath()), pathOf(bare.file("QAV_E.lng")));
    EXPECT_EQ(s.caption(128), "");
    EXPECT_EQ(readProfileInt(bare.file("Settings.ini"), "Setting", "Language", -1), 0);
}

TEST_F(SettingsManagerTest, ReadOnlyProgramDirectoryUsesTheUserFolder)
{
    ConfigLocations where(home.path(), user.path() + "qav-cps");
    where.assumeProgramDirWritable(false);
    {
        CSettingsManager s(where);
        EXPECT_EQ(pathOf(s.settingsPath()), pathOf(home.file("Settings.ini")));  // no user copy yet
        s.setComPort(9);
        ASSERT_TRUE(s.writeSettings());
    }
    // The user's copy starts from the shipped file and is read first from then on.
    EXPECT_EQ(setting("ComPort"), "3");
    EXPECT_EQ(readProfileInt(user.file("qav-cps/Settings.ini"), "Setting", "ComPort", 0), 9);
    EXPECT_EQ(readProfileString(user.file("qav-cps/Settings.ini"), "Setting", "ModelName", "", 100), "QAV-100");
    CSettingsManager again(where);
    EXPECT_EQ(again.comPort(), 9);
    EXPECT_EQ(pathOf(again.modelDatPath()), pathOf(home.file("Model.dat")));
    EXPECT_EQ(pathOf(again.modelDatWritePath()), pathOf(user.file("qav-cps/Model.dat")));
}

}  // namespace
