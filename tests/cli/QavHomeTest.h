#pragma once
// A program directory of its own for each test, `qav` run in process on
// it, and (on POSIX) `qav sim` started as a child on a pseudo-terminal.
#include "cli/QavTool.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif
#include "TestSupport.h"

struct QavRun {
    int status;
    std::string out, err;
};

class QavHomeTest : public ::testing::Test {
protected:
    // Makes the folder "<prefix>XXXXXX" under the tests' temporary folder.
    void makeHome(const std::string& prefix)
    {
        std::string tmpl = ::testing::TempDir() + prefix + "XXXXXX";
        ASSERT_NE(testsupport::makeTempDir(tmpl.data()), nullptr);
        dir_ = tmpl + "/";
    }
    // A program folder for the radio verbs: the English texts, port 1
    // configured, and the transfers' backups kept in the folder too rather
    // than in the user's.
    void makeRadioHome(const std::string& prefix)
    {
        makeHome(prefix);
        std::filesystem::copy_file(QAV_DATA_DIR "/QAV_E.lng", dir_ + "/QAV_E.lng");
        std::ofstream(dir_ + "Settings.ini") << "[Setting]\nLanguage=0\nComPort=1\n";
#ifdef _WIN32
        testsupport::setEnv("APPDATA", dir_ + "data");
#else
        testsupport::setEnv("XDG_DATA_HOME", dir_ + "data");
#endif
    }
    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    QavRun qav(std::vector<std::string> args) const
    {
        args.insert(args.begin(), {"--home", dir_});
        std::ostringstream out, err;
        const int status = runQav(args, out, err, dir_);
        return {status, out.str(), err.str()};
    }
    std::string path(const std::string& name) const { return dir_ + name; }

    std::string dir_;
};

#ifndef _WIN32
// Starts `qav ARGS` (a simulated radio) in a child process and reads the
// device path it prints first; the child's pid, or -1.
inline pid_t startSim(const std::vector<std::string>& args, std::string& device)
{
    int pipefd[2];
    if (::pipe(pipefd) != 0) return -1;
    const std::string program = QAV_BIN_DIR "/qav";
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipefd[1], STDOUT_FILENO);
        ::close(pipefd[0]);
        std::vector<char*> argv{const_cast<char*>("qav")};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(pipefd[1]);
    device.clear();
    char c;
    while (child > 0 && ::read(pipefd[0], &c, 1) == 1 && c != '\n') device += c;
    ::close(pipefd[0]);
    return child;
}

// Ends a child started by startSim.
inline void stopSim(pid_t child)
{
    ::kill(child, SIGTERM);
    int status = 0;
    ::waitpid(child, &status, 0);
}
#endif
