#include "settings/ProgramDirectory.h"
#include "settings/TestDir.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// Restores an environment variable when the test ends.
class EnvGuard {
public:
    explicit EnvGuard(const char* name) : name_(name)
    {
        if (const char* v = std::getenv(name)) old_ = v, had_ = true;
    }
    ~EnvGuard() { had_ ? testsupport::setEnv(name_, old_) : testsupport::unsetEnv(name_); }

private:
    const char* name_;
    std::string old_;
    bool had_ = false;
};

// A path with the platform's separators and no "..", for comparing what the
// lookup built with what the test expects.
std::string normal(const std::string& p)
{
    return std::filesystem::path(p).lexically_normal().make_preferred().string();
}

// An install tree: bin/ for the programs, share/qav/ for the data.
TEST(ProgramDirectory, HomeThenEnvironmentThenBesideTheProgramThenTheInstalledDataFolder)
{
    struct Case {
        const char* what;
        bool dataBeside, dataShared;
        std::string home, env;
        std::string expected;  // relative to the tree, or absolute
        bool chosen;
    };
    const Case cases[] = {
        {"build tree", true, false, "", "", "bin/", false},
        {"build tree wins over an install beside it", true, true, "", "", "bin/", false},
        {"installed", false, true, "", "", "share/qav/", false},
        {"nothing anywhere: the program's folder", false, false, "", "", "bin/", false},
        {"QAV_HOME first", true, true, "", "/srv/qav", "/srv/qav/", true},
        {"--home before QAV_HOME", true, true, "/opt/portable", "/srv/qav", "/opt/portable/", true},
    };
    for (const auto& c : cases) {
        TestDir tree;
        if (c.dataBeside) tree.write("bin/Model.dat", "");
        else tree.write("bin/qav", "");
        if (c.dataShared) tree.write("share/qav/QAV_E.lng", "");
        const ProgramDirectoryLookup found = locateProgramDirectory(c.home, c.env, tree.file("bin"));
        const std::string expected = c.expected[0] == '/' ? c.expected : tree.file(c.expected);
        EXPECT_EQ(normal(found.dir), normal(expected)) << c.what;
        EXPECT_EQ(found.chosen, c.chosen) << c.what;
        if (!c.chosen) {
            ASSERT_EQ(found.searched.size(), 2u) << c.what;
            EXPECT_EQ(normal(found.searched[0]), normal(tree.file("bin/"))) << c.what;
            EXPECT_EQ(normal(found.searched[1]), normal(tree.file("share/qav/"))) << c.what;
        }
    }
}

TEST(ProgramDirectory, ProcessLookupFollowsOverrideAndEnvironment)
{
    EnvGuard home("QAV_HOME");
    setProgramDirectoryOverride("");
    testsupport::unsetEnv("QAV_HOME");
    std::string exeDir = programDirectory();
    EXPECT_EQ(exeDir.back(), kPathSeparator);

#ifdef _WIN32
    const std::string homeDir = "C:\\opt\\qav";
#else
    const std::string homeDir = "/opt/qav";
#endif
    testsupport::setEnv("QAV_HOME", homeDir);
    EXPECT_EQ(programDirectory(), homeDir + kPathSeparator);
    setProgramDirectoryOverride("/srv/portable/");
    EXPECT_EQ(programDirectory(), "/srv/portable/");
    setProgramDirectoryOverride("");
    EXPECT_EQ(programDirectory(), homeDir + kPathSeparator);
}

#ifdef _WIN32
TEST(ProgramDirectory, UserFolderIsUnderAppData)
{
    EnvGuard appData("APPDATA");
    testsupport::setEnv("APPDATA", "C:\\Users\\tech\\AppData\\Roaming");
    EXPECT_EQ(userConfigDirectory(), "C:\\Users\\tech\\AppData\\Roaming\\qav-cps\\");
    testsupport::unsetEnv("APPDATA");
    EXPECT_EQ(userConfigDirectory(), "");
}

TEST(ProgramDirectory, FoldersEndInEitherSeparator)
{
    EXPECT_EQ(withTrailingSlash("C:\\qav"), "C:\\qav\\");
    EXPECT_EQ(withTrailingSlash("C:\\qav\\"), "C:\\qav\\");
    EXPECT_EQ(withTrailingSlash("C:/qav/"), "C:/qav/");
}
#else
TEST(ProgramDirectory, MissingDataIsNamedWithWhereItWasSoughtAndWhatToDo)
{
    TestDir tree;
    tree.write("bin/qav", "");
    ProgramDirectoryLookup found = locateProgramDirectory("", "", tree.file("bin"));
    std::string text = missingDataMessage(found);
    EXPECT_NE(text.find("Model.dat, QAV_E.lng"), std::string::npos) << text;
    EXPECT_NE(text.find(tree.file("bin/") + " or " + tree.file("share/qav/")), std::string::npos) << text;
    EXPECT_NE(text.find("Reinstall"), std::string::npos) << text;

    tree.write("share/qav/Model.dat", "");
    found = locateProgramDirectory("", "", tree.file("bin"));
    EXPECT_EQ(missingDataFiles(found.dir), std::vector<std::string>{"QAV_E.lng"});
    tree.write("share/qav/QAV_E.lng", "");
    EXPECT_EQ(missingDataMessage(found), "");

    found = locateProgramDirectory(tree.file("elsewhere"), "", tree.file("bin"));
    text = missingDataMessage(found);
    EXPECT_NE(text.find("--home"), std::string::npos) << text;
    EXPECT_EQ(text.find("Reinstall"), std::string::npos) << text;
}

TEST(ProgramDirectory, UserFolderFollowsXdgConfigHome)
{
    EnvGuard xdg("XDG_CONFIG_HOME");
    EnvGuard home("HOME");
    testsupport::setEnv("XDG_CONFIG_HOME", "/cfg");
    EXPECT_EQ(userConfigDirectory(), "/cfg/qav-cps/");
    testsupport::setEnv("XDG_CONFIG_HOME", "relative");  // not absolute: ignored
    testsupport::setEnv("HOME", "/home/tech");
    EXPECT_EQ(userConfigDirectory(), "/home/tech/.config/qav-cps/");
}
#endif

TEST(ConfigLocations, ReadsTheUserCopyFirstOnlyWhenTheProgramFolderIsReadOnly)
{
    TestDir program, user;
    program.write("Settings.ini", "");
    user.write("Settings.ini", "");
    ConfigLocations where(program.path(), user.path());
    EXPECT_EQ(where.readPath("Settings.ini"), program.file("Settings.ini"));
    EXPECT_EQ(where.writePath("Settings.ini"), program.file("Settings.ini"));
    where.assumeProgramDirWritable(false);
    EXPECT_EQ(where.readPath("Settings.ini"), user.file("Settings.ini"));
    EXPECT_EQ(where.readPath("Model.dat"), program.file("Model.dat"));  // no user copy
    EXPECT_EQ(where.writePath("Model.dat"), user.file("Model.dat"));
    EXPECT_EQ(where.programFile("QAV_E.lng"), program.file("QAV_E.lng"));
}

}  // namespace
