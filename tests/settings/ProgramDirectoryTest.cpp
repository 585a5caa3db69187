#include "settings/ProgramDirectory.h"
#include "settings/TestDir.h"

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
    ~EnvGuard() { had_ ? ::setenv(name_, old_.c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::string old_;
    bool had_ = false;
};

TEST(ProgramDirectory, OverrideThenEnvironmentThenExecutableFolder)
{
    EnvGuard home("QAV_HOME");
    setProgramDirectoryOverride("");
    ::unsetenv("QAV_HOME");
    std::string exeDir = programDirectory();
    EXPECT_EQ(exeDir.back(), '/');

    ::setenv("QAV_HOME", "/opt/qav", 1);
    EXPECT_EQ(programDirectory(), "/opt/qav/");
    setProgramDirectoryOverride("/srv/portable/");
    EXPECT_EQ(programDirectory(), "/srv/portable/");
    setProgramDirectoryOverride("");
    EXPECT_EQ(programDirectory(), "/opt/qav/");
}

TEST(ProgramDirectory, UserFolderFollowsXdgConfigHome)
{
    EnvGuard xdg("XDG_CONFIG_HOME");
    EnvGuard home("HOME");
    ::setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(userConfigDirectory(), "/cfg/qav-cps/");
    ::setenv("XDG_CONFIG_HOME", "relative", 1);  // not absolute: ignored
    ::setenv("HOME", "/home/tech", 1);
    EXPECT_EQ(userConfigDirectory(), "/home/tech/.config/qav-cps/");
}

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
