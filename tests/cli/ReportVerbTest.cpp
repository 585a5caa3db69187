// qav report: the printed report's rows as text or HTML.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/QavTool.h"
#include "TestSupport.h"

namespace {

class ReportVerbTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string tmpl = ::testing::TempDir() + "qavreportXXXXXX";
        ASSERT_NE(testsupport::makeTempDir(tmpl.data()), nullptr);
        dir_ = tmpl;
        std::filesystem::copy_file(QAV_DATA_DIR "/QAV_E.lng", dir_ + "/QAV_E.lng");
        std::filesystem::copy_file(QAV_DATA_DIR "/QAV_S.lng", dir_ + "/QAV_S.lng");
        ASSERT_EQ(run({"new", "--factory", "-o", file()}).status, 0);
    }
    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

    struct Run {
        int status;
        std::string out, err;
    };
    Run run(std::vector<std::string> args) const
    {
        std::ostringstream out, err;
        const int status = runQav(args, out, err, dir_);
        return {status, out.str(), err.str()};
    }
    std::string file() const { return dir_ + "/f.qav"; }

    std::string dir_;
};

TEST_F(ReportVerbTest, TextHoldsTheChannelRows)
{
    const Run r = run({"report", file()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("== Radio Information =="), std::string::npos);
    EXPECT_NE(r.out.find("CH 16"), std::string::npos);
    // Channel 1 of a factory codeplug for the default 136-174 MHz band:
    // 0.325 MHz above the band edge, CTCSS 131.8 both ways.
    EXPECT_NE(r.out.find("CH 1     25 kHz   High   136.32500  CTCSS  131.8   136.32500  CTCSS  131.8   1            1     Off"),
              std::string::npos)
        << r.out;
}

TEST_F(ReportVerbTest, SectionsAndFormats)
{
    const Run channels = run({"report", file(), "--sections", "channels"});
    ASSERT_EQ(channels.status, 0) << channels.err;
    EXPECT_NE(channels.out.find("== Channel =="), std::string::npos);
    EXPECT_EQ(channels.out.find("Radio Information"), std::string::npos);

    const Run html = run({"report", file(), "--sections", "1109,scan", "--format", "html"});
    ASSERT_EQ(html.status, 0) << html.err;
    EXPECT_NE(html.out.find("<h2>Radio Information</h2>"), std::string::npos);
    EXPECT_NE(html.out.find("<h2>Scan</h2>"), std::string::npos);
    EXPECT_EQ(html.out.find("CH 1<"), std::string::npos);
}

TEST_F(ReportVerbTest, ChosenLanguage)
{
    const Run chinese = run({"report", file(), "--sections", "channels", "--language", "1"});
    ASSERT_EQ(chinese.status, 0) << chinese.err;
    EXPECT_NE(chinese.out.find("== 信道 =="), std::string::npos) << chinese.out;
    EXPECT_EQ(run({"report", file(), "--language", "7"}).status, 1);
    EXPECT_EQ(run({"report", file(), "--language", "-1"}).status, 2);
}

TEST_F(ReportVerbTest, BadInput)
{
    const Run unknown = run({"report", file(), "--sections", "channels,bogus"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("bogus"), std::string::npos) << unknown.err;
    EXPECT_NE(unknown.err.find("3655 channels"), std::string::npos) << unknown.err;

    EXPECT_EQ(run({"report", file(), "--format", "pdf"}).status, 2);
    EXPECT_EQ(run({"report", dir_ + "/missing.qav"}).status, 1);

    // An output that cannot be written fails and leaves nothing behind.
    const std::string blocked = dir_ + "/plain";
    std::ofstream(blocked) << "a file, not a folder";
    const Run unwritable = run({"report", file(), "-o", blocked + "/out.txt"});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_FALSE(unwritable.err.empty());
    EXPECT_FALSE(std::filesystem::exists(blocked + "/out.txt"));

    // The codeplug itself is never the report's output.
    const auto before = std::filesystem::file_size(file());
    EXPECT_EQ(run({"report", file(), "-o", file()}).status, 1);
    EXPECT_EQ(std::filesystem::file_size(file()), before);

    const Run written = run({"report", file(), "-o", dir_ + "/out.txt"});
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_GT(std::filesystem::file_size(dir_ + "/out.txt"), 1000u);
}

}  // namespace
