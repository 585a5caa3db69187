// `qav write FILE --port A --port B ...` against simulated radios on
// pseudo-terminals, each `qav sim` a child process of its own.
#include "QavHomeTest.h"
#include "model/CodeplugFile.h"
#include "model/MemoryMap.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>

namespace {

using Image8k = std::array<std::uint8_t, CodeplugFormat::kImageSize>;

class RadioGangTest : public QavHomeTest {
protected:
    void SetUp() override { makeRadioHome("qavgang"); }
#ifndef _WIN32
    void TearDown() override
    {
        for (pid_t child : children_) stopSim(child);
        QavHomeTest::TearDown();
    }
    std::string startRadio(std::vector<std::string> extra)
    {
        std::vector<std::string> args{"--home", dir_, "sim"};
        args.insert(args.end(), extra.begin(), extra.end());
        std::string device;
        const pid_t child = startSim(args, device);
        if (child > 0) children_.push_back(child);
        return device;
    }
    std::vector<pid_t> children_;
#endif

    // A codeplug unlike the radios' factory one: a channel list of its own.
    void makeFleetFile()
    {
        ASSERT_EQ(qav({"new", "--factory", "--model-id", "QAV410", "--model-name", "QAV-410", "--range", "136-174",
                       "-o", path("factory.qav")}).status, 0);
        std::ofstream(path("fleet.csv"))
            << "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,TStep,Skip,"
               "Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n"
               "1,,145.500000,,0.000000,,88.5,88.5,023,NN,FM,12.50,,,,,,\n"
               "2,,146.520000,,0.000000,Tone,100.0,100.0,023,NN,NFM,12.50,,,,,,\n";
        const QavRun r = qav({"import-csv", path("factory.qav"), path("fleet.csv"), "-o", path("fleet.qav")});
        ASSERT_EQ(r.status, 0) << r.err;
    }

    // The image of a codeplug file without its programming stamp, which each
    // write sets anew.
    Image8k unstamped(const std::string& file) const
    {
        Image8k image{};
        std::size_t count = 0;
        EXPECT_TRUE(CCodeplugFile::readImage(file, image, count)) << file;
        std::fill_n(image.begin() + Image::kStamp, Image::kStampLength, 0);
        return image;
    }

    std::size_t writeBackups() const
    {
        std::istringstream list(qav({"backups"}).out);
        std::size_t n = 0;
        for (std::string line; std::getline(list, line);) n += line.find("  write  ") != std::string::npos;
        return n;
    }
};

struct GangRadioCase {
    const char* name;
    std::vector<std::string> sim;  // `qav sim` options
    bool written;
    const char* result;            // the start of its result in the table
};

}  // namespace

TEST_F(RadioGangTest, OneBackupThenEveryRadioOnItsOwnPortWithTheGivenPassword)
{
#ifdef _WIN32
    GTEST_SKIP() << "needs pseudo-terminals and fork()";
#else
    const std::vector<GangRadioCase> cases = {
        {"good", {}, true, "ok"},
        {"silent after 100 blocks", {"--fault", "silent-after:100"}, false, "Writing to the radio failed"},
        {"good, named twice", {}, true, "ok"},
        {"asks for the password given", {"--password", "1234"}, true, "ok"},
        {"asks for another password", {"--password", "5678"}, false, "Incorrect password."},
    };
    makeFleetFile();
    std::vector<std::string> devices;
    for (const GangRadioCase& c : cases) {
        devices.push_back(startRadio(c.sim));
        ASSERT_FALSE(devices.back().empty()) << c.name;
    }
    std::vector<std::string> args{"write", path("fleet.qav"), "--password", "1234"};
    for (const std::string& d : devices) args.insert(args.end(), {"--port", d});
    args.insert(args.end(), {"--port", devices[2]});
    const QavRun r = qav(args);

    EXPECT_EQ(r.status, 1) << r.out << r.err;
    EXPECT_NE(r.err.find("qav write: 2 of 5 radios failed"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("\n3 of 5 radios written.\n"), std::string::npos) << r.out;
    EXPECT_EQ(writeBackups(), 1u) << "validated and kept once for the whole gang";

    // Read back at once (with the same password) from the radios that still answer.
    std::vector<std::string> read{"read", "-o", path("back.qav"), "--password", "1234"};
    for (std::size_t i : {0, 2, 3}) read.insert(read.end(), {"--port", devices[i]});
    const QavRun back = qav(read);
    ASSERT_EQ(back.status, 0) << back.out << back.err;

    std::istringstream table(r.out);
    std::string line;
    std::getline(table, line);
    EXPECT_EQ(line.rfind("port", 0), 0u) << line;
    for (std::size_t i = 0, read = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        ASSERT_TRUE(std::getline(table, line));  // one row per port, in the order given
        EXPECT_EQ(line.rfind(devices[i] + " ", 0), 0u) << line;
        EXPECT_NE(line.find("s  " + std::string(cases[i].result)), std::string::npos) << line;
        if (cases[i].written) {
            EXPECT_TRUE(unstamped(path("back-" + std::to_string(++read) + ".qav")) == unstamped(path("fleet.qav")));
        }
    }
    ASSERT_TRUE(std::getline(table, line));
    EXPECT_EQ(line, "3 of 5 radios written.") << "a port named twice is written once";

    // Without --password the radio that asks for one is not written, and
    // the table says what to do.
    const QavRun none = qav({"write", path("fleet.qav"), "--port", devices[3], "--port", devices[4]});
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.out.find("s  the radio asks for its password: give --password\n"), std::string::npos) << none.out;
    EXPECT_NE(none.out.find("0 of 2 radios written."), std::string::npos) << none.out;
    EXPECT_EQ(writeBackups(), 2u);
#endif
}

TEST_F(RadioGangTest, NothingIsWrittenOrKeptWhenTheCodeplugCannotBeUsed)
{
    // Checked before any port is opened: the ports need no radios.
    const std::vector<std::vector<std::string>> runs = {
        {"write", path("missing.qav"), "--port", path("a"), "--port", path("b")},
        {"write", path("fleet.qav"), "--port", path("a"), "--port", path("b"), "--trace", path("no/dir/t.txt")},
        {"write", path("fleet.qav"), "--port", "", "--port", ""},
    };
    makeFleetFile();
    for (const auto& run : runs) {
        const QavRun r = qav(run);
        EXPECT_EQ(r.status, 1) << r.out;
        EXPECT_EQ(r.out.find("radios written"), std::string::npos) << r.out;
    }
    EXPECT_EQ(writeBackups(), 0u);
}

TEST_F(RadioGangTest, APortNamedTwiceIsUsedOnce)
{
    // The radio in this process: two sessions on it would take each other's replies.
    struct Case {
        std::vector<std::string> args;
        const char* summary;
        std::size_t backups;  // write backups after the run
    };
    makeFleetFile();
    const Case cases[] = {
        {{"read", "-o", path("r.qav"), "--port", "sim", "--port", "sim"}, "1 of 1 radios read\n", 0},
        {{"write", path("fleet.qav"), "--port", "sim", "--port", "sim"}, "1 of 1 radios written.\n", 1},
    };
    for (const Case& c : cases) {
        const QavRun r = qav(c.args);
        EXPECT_EQ(r.status, 0) << r.out << r.err;
        EXPECT_EQ(r.out.find("sim "), r.out.rfind("sim ")) << r.out;
        EXPECT_NE(r.out.find(c.summary), std::string::npos) << r.out;
        EXPECT_EQ(writeBackups(), c.backups);
    }
    EXPECT_TRUE(std::filesystem::exists(path("r-1.qav")));
}
