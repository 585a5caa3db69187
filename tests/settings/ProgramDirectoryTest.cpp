#include "settings/ProgramDirectory.h"
#include "settings/TestDir.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

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

TEST(ProgramDirectory, OverrideThenEnvironmentThenExecutableFolder)
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
