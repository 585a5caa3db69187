// The radio verbs, in process against the built-in simulated radio, and
// the real program against `qav sim` on a pseudo-terminal.
#include "QavHomeTest.h"
#include "model/CodeplugFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif
#include "TestSupport.h"

namespace {

class RadioVerbsTest : public QavHomeTest {
protected:
    void SetUp() override { makeRadioHome("qavradio"); }
};

}  // namespace

TEST_F(RadioVerbsTest, TheSimulatedRadioAnswersAsTheModelItsMemoryBelongsTo)
{
    // The radio in this process holds the configured model's factory
    // codeplug; its identity must name the same band, whichever verb asks.
    std::ofstream(dir_ + "Settings.ini")
        << "[Setting]\nModelID=QAV410\nModelName=QAV-410\nFreqRange=400-470\nLanguage=0\nComPort=1\n";
    QavRun r = qav({"detect", "--port", "sim"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("400-470 MHz"), std::string::npos) << r.out;
    r = qav({"read", "--port", "sim", "-o", path("r.qav")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("400-470MHz"), std::string::npos) << r.out;
}

TEST_F(RadioVerbsTest, DetectReadWriteAndWriteTuneAgainstTheSimulatedRadio)
{
    QavRun r = qav({"detect", "--port", "sim"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("QAV410"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("136-174 MHz"), std::string::npos) << r.out;

    r = qav({"read", "--port", "sim", "-o", path("r.qav"), "--trace", path("trace.txt")});
    ASSERT_EQ(r.status, 0) << r.err;
    CodeplugHeader header{};
    ASSERT_TRUE(CCodeplugFile::readHeader(path("r.qav"), header));
    EXPECT_EQ(readHeaderFields(header).modelId, "QAV410");
    std::ifstream trace(path("trace.txt"));
    std::string line;
    int sent = 0, received = 0;
    while (std::getline(trace, line)) {
        sent += line.find(" >> ") != std::string::npos;
        received += line.find(" << ") != std::string::npos;
    }
    EXPECT_GE(sent, 256 + 6);
    EXPECT_EQ(sent, received);

    r = qav({"write", "--port", "sim", path("r.qav")});
    EXPECT_EQ(r.status, 0) << r.err;
    r = qav({"write-tune", "--port", "sim", path("r.qav")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Tune data written"), std::string::npos) << r.out;
}

TEST_F(RadioVerbsTest, FailuresExitWithOneAndTheMessage)
{
    QavRun r = qav({"read", "--port", "sim", "-o", path("r.qav")});
    ASSERT_EQ(r.status, 0);
    // A file whose model this program does not accept.
    std::string bytes;
    {
        std::ifstream in(path("r.qav"), std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    std::string other = bytes;
    auto at = other.find("QAV410");
    ASSERT_NE(at, std::string::npos);
    other.replace(at, 6, "ZZZ999");
    std::ofstream(path("other.qav"), std::ios::binary) << other;
    r = qav({"write", "--port", "sim", path("other.qav")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("ZZZ999"), std::string::npos) << r.err;

    r = qav({"write", "--port", "sim", path("missing.qav")});
    EXPECT_EQ(r.status, 1);
    r = qav({"read", "--port", "sim", "-o", path("r.qav"), "--password", "12a"});
    EXPECT_EQ(r.status, 2);
    r = qav({"read", "--port", "sim", "-o", path("x.qav"), "--trace", path("no/such/dir/t.txt")});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(std::ifstream(path("x.qav")).good());
}

TEST_F(RadioVerbsTest, RealProgramAgainstTheSimulatorOnAPseudoTerminal)
{
#ifdef _WIN32
    GTEST_SKIP() << "needs a pseudo-terminal and fork()";
#else
    // qav sim in a child process; its first output line is the device.
    const std::string qav = QAV_BIN_DIR "/qav";
    std::string device;
    const pid_t child = startSim({"--home", dir_, "sim", "--password", "2468", "--fault", "silent-after:2"}, device);
    ASSERT_GT(child, 0);
    ASSERT_FALSE(device.empty());

    // Without the password and without a terminal: a clear failure.
    std::string cmd = "'" + qav + "' --home '" + dir_ + "' read --port '" + device + "' -o '" + path("p.qav") +
                      "' </dev/null 2>'" + path("err.txt") + "'";
    int status = std::system(cmd.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1);
    std::ifstream err(path("err.txt"));
    std::string text((std::istreambuf_iterator<char>(err)), {});
    EXPECT_NE(text.find("--password"), std::string::npos) << text;

    // With it, the radio falls silent after two blocks: the read fails at 64.
    cmd = "'" + qav + "' --home '" + dir_ + "' read --port '" + device + "' --password 2468 -o '" + path("p.qav") +
          "' </dev/null 2>'" + path("err.txt") + "'";
    status = std::system(cmd.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1);
    std::ifstream err2(path("err.txt"));
    text.assign(std::istreambuf_iterator<char>(err2), {});
    EXPECT_NE(text.find("64"), std::string::npos) << text;
    EXPECT_FALSE(std::ifstream(path("p.qav")).good());

    ::kill(child, SIGTERM);
    int childStatus = 0;
    ::waitpid(child, &childStatus, 0);
    EXPECT_TRUE(WIFEXITED(childStatus)) << "qav sim ends cleanly on SIGTERM";
#endif
}

TEST_F(RadioVerbsTest, EmbeddedMessagesRoundTripThroughTheSimulatorOnAPseudoTerminal)
{
#ifdef _WIN32
    GTEST_SKIP() << "needs a pseudo-terminal and fork()";
#else
    int pipefd[2];
    ASSERT_EQ(::pipe(pipefd), 0);
    const std::string qavBin = QAV_BIN_DIR "/qav";
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::dup2(pipefd[1], STDOUT_FILENO);
        ::close(pipefd[0]);
        ::execl(qavBin.c_str(), "qav", "--home", dir_.c_str(), "sim", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipefd[1]);
    std::string device;
    char c;
    while (::read(pipefd[0], &c, 1) == 1 && c != '\n') device += c;
    ::close(pipefd[0]);
    ASSERT_FALSE(device.empty());

    std::ofstream(path("in.json")) << R"({"messages": ["Hello", "caf\u00e9", ")" << std::string(40, 'y')
                                   << R"(", ""]})";
    QavRun r = qav({"message", "write", "--port", device, path("in.json")});
    EXPECT_EQ(r.status, 0) << r.err;
    r = qav({"message", "read", "--port", device, "-o", path("out.json")});
    EXPECT_EQ(r.status, 0) << r.err;
    std::ifstream in(path("out.json"));
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(text.find("\"Hello\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"caf\xC3\xA9\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"" + std::string(32, 'y') + "\""), std::string::npos) << "cut to 32: " << text;

    struct Case {
        const char* json;
        const char* error;
    };
    for (Case bad : {Case{R"({"messages": ["\u4e2d", "", "", ""]})", "U+4E2D"},
                     Case{R"({"messages": ["only one"]})", "four texts"}, Case{"not json", "four texts"}}) {
        std::ofstream(path("bad.json"), std::ios::trunc) << bad.json;
        r = qav({"message", "write", "--port", device, path("bad.json")});
        EXPECT_EQ(r.status, 1) << bad.json;
        EXPECT_NE(r.err.find(bad.error), std::string::npos) << r.err;
    }

    ::kill(child, SIGTERM);
    int childStatus = 0;
    ::waitpid(child, &childStatus, 0);
#endif
}

TEST_F(RadioVerbsTest, MessageVerbsFailClearlyWithoutARadio)
{
    QavRun r = qav({"message", "read", "--port", path("no-such-port")});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(r.err.empty());
    r = qav({"message"});
    EXPECT_EQ(r.status, 2) << "a subcommand is required";
}

TEST_F(RadioVerbsTest, EveryReadAndWriteLeavesABackupThatRestoresByteForByte)
{
    ASSERT_EQ(qav({"read", "--port", "sim", "-o", path("r.qav")}).status, 0);
    ASSERT_EQ(qav({"write", "--port", "sim", path("r.qav")}).status, 0);
    const QavRun list = qav({"backups"});
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_NE(list.out.find("1  "), std::string::npos) << list.out;
    EXPECT_NE(list.out.find("write"), std::string::npos) << list.out;
    EXPECT_NE(list.out.find("read"), std::string::npos) << list.out;
#ifdef _WIN32
    const std::string folder = dir_ + "data\\qav-cps\\backups\\";
#else
    const std::string folder = dir_ + "data/qav-cps/backups/";
#endif
    EXPECT_NE(list.out.find(folder), std::string::npos) << list.out;

    const QavRun show = qav({"backups", "show", "2"});
    ASSERT_EQ(show.status, 0) << show.err;
    EXPECT_NE(show.out.find("direction: read"), std::string::npos) << show.out;
    ASSERT_EQ(qav({"backups", "restore", "2", "-o", path("back.qav")}).status, 0);
    auto bytes = [](const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::size_t at = show.out.find("file: ") + 6;
    const std::string kept = show.out.substr(at, show.out.find('\n', at) - at);
    EXPECT_EQ(bytes(path("back.qav")), bytes(kept));
    // The backup holds the image as the radio sent it; the read file holds it
    // as saved, so both describe the same radio.
    const QavRun diff = qav({"diff", path("r.qav"), path("back.qav")});
    EXPECT_EQ(diff.status, 0) << diff.err;
    EXPECT_EQ(qav({"backups", "show", "9"}).status, 1);
}

TEST_F(RadioVerbsTest, SeveralRadiosAtOnceWhereOneFallsSilent)
{
#ifdef _WIN32
    GTEST_SKIP() << "needs pseudo-terminals and fork()";
#else
    // Three simulated radios in child processes; the second stops answering
    // after 100 blocks. The other two must still be written.
    std::vector<pid_t> children;
    std::vector<std::string> devices(3);
    for (std::size_t i = 0; i < 3; ++i) {
        std::vector<std::string> args{"--home", dir_, "sim"};
        if (i == 1) args.insert(args.end(), {"--fault", "silent-after:100"});
        children.push_back(startSim(args, devices[i]));
        ASSERT_GT(children.back(), 0);
        ASSERT_FALSE(devices[i].empty());
    }
    ASSERT_EQ(qav({"new", "--factory", "--model-id", "QAV410", "--model-name", "QAV-410", "--range", "136-174", "-o", path("fleet.qav")}).status, 0);
    const QavRun r = qav({"write", path("fleet.qav"), "--port", devices[0], "--port", devices[1], "--port", devices[2]});
    EXPECT_EQ(r.status, 1) << r.out << r.err;
    EXPECT_NE(r.out.find("2 of 3 radios written"), std::string::npos) << r.out;
    std::istringstream table(r.out);
    std::string line;
    std::getline(table, line);
    EXPECT_EQ(line.rfind("port", 0), 0u) << line;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(std::getline(table, line));
        EXPECT_EQ(line.rfind(devices[static_cast<std::size_t>(i)], 0), 0u) << line;  // in port order
        EXPECT_EQ(line.find("  ok") != std::string::npos, i != 1) << line;
    }
    EXPECT_NE(r.err.find("1 of 3 radios failed"), std::string::npos) << r.err;
    for (pid_t child : children) {
        ::kill(child, SIGTERM);
        int status = 0;
        ::waitpid(child, &status, 0);
    }
#endif
}

TEST_F(RadioVerbsTest, RadioVerbsLeaveTheRecentFileListAlone)
{
    // A script that writes radios must not change the program's settings.
    ASSERT_EQ(qav({"new", "--factory", "-o", path("a.qav")}).status, 0);
    ASSERT_EQ(qav({"write", "--port", "sim", path("a.qav")}).status, 0);
    std::ifstream in(path("Settings.ini"));
    const std::string settings((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(settings.find("a.qav"), std::string::npos) << settings;
}
