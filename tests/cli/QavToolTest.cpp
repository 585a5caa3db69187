// The qav verbs, run in process through runQav and, for the exit status of
// the real program, through build/bin/qav.
#include <gtest/gtest.h>

#include <filesystem>

#include <nlohmann/json.hpp>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/QavTool.h"
#include "model/CodeplugFile.h"
#include "TestSupport.h"

namespace {

struct QavRun {
    int status;
    std::string out;
    std::string err;
};

class QavToolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string tmpl = ::testing::TempDir() + "qavcliXXXXXX";
        ASSERT_NE(testsupport::makeTempDir(tmpl.data()), nullptr);
        dir_ = tmpl;
        // Open accepts only the models the language file names.
        std::filesystem::copy_file(QAV_DATA_DIR "/QAV_E.lng", dir_ + "/QAV_E.lng");
    }
    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

    std::string path(const std::string& name) const { return dir_ + "/" + name; }

    QavRun qav(std::vector<std::string> args) const
    {
        std::ostringstream out, err;
        const int status = runQav(args, out, err, dir_);
        return {status, out.str(), err.str()};
    }

    static std::string slurp(const std::string& p)
    {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    static std::string imageOf(const std::string& p)
    {
        std::array<std::uint8_t, CodeplugFormat::kImageSize> img{};
        std::size_t count = 0;
        EXPECT_TRUE(CCodeplugFile::readImage(p, img, count)) << p;
        return std::string(img.begin(), img.end());
    }

    static CodeplugHeader headerOf(const std::string& p)
    {
        CodeplugHeader h{};
        EXPECT_TRUE(CCodeplugFile::readHeader(p, h)) << p;
        return h;
    }

    std::string dir_;
};

TEST_F(QavToolTest, NewThenRepackTwiceIsStable)
{
    const std::string f = path("f.qav"), g = path("g.qav"), h = path("h.qav");
    ASSERT_EQ(qav({"new", "--factory", "-o", f}).status, 0);
    ASSERT_EQ(qav({"repack", f, "-o", g}).status, 0);
    ASSERT_EQ(qav({"repack", g, "-o", h}).status, 0);

    EXPECT_EQ(imageOf(g), imageOf(h));
    const std::string fi = imageOf(f), gi = imageOf(g);
    for (std::size_t i = 0; i < fi.size(); ++i) {
        if (i >= 3725 && i <= 3728) continue;  // the two-tone call links
        EXPECT_EQ(fi[i], gi[i]) << "image byte " << i;
    }
    EXPECT_EQ(headerOf(f), headerOf(g));
    EXPECT_EQ(headerOf(g), headerOf(h));
    EXPECT_EQ(slurp(f).size(), 8335u);

    const CodeplugHeaderFields hf = readHeaderFields(headerOf(f));
    EXPECT_EQ(hf.modelId, "QAV410");  // the accepted model, without Settings.ini and Model.dat
    EXPECT_EQ(hf.modelName, "QAV410");
    EXPECT_EQ(hf.freqRange(), "136-174");
    EXPECT_EQ(hf.firmware, "1.04.07");
    EXPECT_EQ(hf.formatVersion, "1.04.07");
    EXPECT_EQ(hf.bandFlags, 0x80);
}

TEST_F(QavToolTest, NewForAnotherModelAndTheProgrammingStamp)
{
    const std::string f = path("uhf.qav");
    const QavRun r = qav({"new", "--factory", "-o", f, "--model-id", "QAV-U", "--model-name", "QA-400", "--range",
                       "400-470", "--signal", "3"});
    ASSERT_EQ(r.status, 0) << r.err;
    const CodeplugHeaderFields hf = readHeaderFields(headerOf(f));
    EXPECT_EQ(hf.modelId, "QAV-U");
    EXPECT_EQ(hf.lowMHz, 400);
    EXPECT_EQ(hf.highMHz, 470);
    EXPECT_EQ(hf.signal, 3);

    // Image bytes 32-39: second, minute, hour, day, month, year % 100, century, 0.
    const std::string img = imageOf(f);
    const std::time_t now = std::time(nullptr);
    std::tm t{};
#ifdef _WIN32
    localtime_s(&t, &now);
#else
    localtime_r(&now, &t);
#endif
    EXPECT_EQ(static_cast<unsigned char>(img[37]), (t.tm_year + 1900) % 100);
    EXPECT_EQ(static_cast<unsigned char>(img[38]), (t.tm_year + 1900) / 100);
    EXPECT_EQ(static_cast<unsigned char>(img[39]), 0);
    EXPECT_GE(static_cast<unsigned char>(img[36]), 1);
    EXPECT_LE(static_cast<unsigned char>(img[36]), 12);
}

TEST_F(QavToolTest, NewTakesTheBandFlagsFromTheModelDatabase)
{
    std::ofstream(path("Model.dat")) << "[Setting]\nModelID=QAV410\nQAV410=QAV-410\n\n"
                                        "[QAV410]\nNumber=2\nFreq0=136, 174, 136, 174, 128\n"
                                        "Freq1=400, 470, 400, 470, 1\n";
    struct Case {
        const char* id;
        const char* range;
        std::uint8_t flags;
    };
    const Case cases[] = {
        {"QAV410", "400-470", 1}, {"QAV410", "136-174", 0x80}, {"QAV410", "450-520", 0},
        {"OTHER", "136-174", 0x80},  // a model without ranges gets the default entry
    };
    for (const Case& c : cases) {
        const std::string f = path(std::string(c.id) + c.range + ".qav");
        ASSERT_EQ(qav({"new", "--factory", "-o", f, "--model-id", c.id, "--range", c.range}).status, 0);
        EXPECT_EQ(readHeaderFields(headerOf(f)).bandFlags, c.flags) << c.id << ' ' << c.range;
        EXPECT_EQ(static_cast<std::uint8_t>(imageOf(f)[16 + 12]), c.flags) << c.id << ' ' << c.range;
    }
}

TEST_F(QavToolTest, NewReadsTheModelsDefaultFileUnlessFactory)
{
    // A default codeplug in the program directory: its channels must come
    // through, with a fresh stamp.
    const std::string base = path("base.qav");
    ASSERT_EQ(qav({"new", "--factory", "-o", base}).status, 0);
    std::string bytes = slurp(base);
    const std::size_t imageAt = 143;   // L1 = 0
    bytes[imageAt + 645 + 4] = 0x55;   // first channel, a receive frequency byte
    bytes[imageAt + 32] = 0x77;        // a stale stamp byte
    std::ofstream(path("QAV410136-174DefaultSet.dat"), std::ios::binary) << bytes;

    const std::string fromDefault = path("d.qav"), factory = path("fac.qav");
    ASSERT_EQ(qav({"new", "-o", fromDefault}).status, 0);
    ASSERT_EQ(qav({"new", "--factory", "-o", factory}).status, 0);
    const std::string d = imageOf(fromDefault);
    EXPECT_EQ(static_cast<unsigned char>(d[645 + 4]), 0x55);
    EXPECT_LT(static_cast<unsigned char>(d[32]), 60);  // seconds of now, not the stale byte
    EXPECT_NE(static_cast<unsigned char>(imageOf(factory)[645 + 4]), 0x55);
}

TEST_F(QavToolTest, InfoAndDump)
{
    const std::string f = path("f.qav");
    ASSERT_EQ(qav({"new", "--factory", "-o", f}).status, 0);

    QavRun r = qav({"info", f});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("QAV410"), std::string::npos);
    EXPECT_NE(r.out.find("136 - 174MHz"), std::string::npos);

    r = qav({"info", f, "--json"});
    ASSERT_EQ(r.status, 0);
    const auto info = nlohmann::json::parse(r.out);
    EXPECT_EQ(info["model_id"], "QAV410");
    EXPECT_EQ(info["image_bytes"], 8192);

    r = qav({"dump", f});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("[channel 16]"), std::string::npos);
    EXPECT_NE(r.out.find("[tune_data]"), std::string::npos);

    r = qav({"dump", f, "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto dump = nlohmann::json::parse(r.out);
    std::map<std::string, std::size_t> counts;
    for (const auto& s : dump["sections"]) counts[s["section"]] = s["records"].size();
    EXPECT_EQ(counts["channel"], 16u);
    EXPECT_EQ(counts["personality"], 1u);
    EXPECT_EQ(counts["alert_tone"], 5u);
    EXPECT_EQ(counts["two_tone_system"], 1u);
    EXPECT_EQ(counts.size(), 17u);
    const auto& ch = dump["sections"][9]["records"][0];
    EXPECT_EQ(ch["raw"].get<std::string>().size(), 24u * 3 - 1);
    for (const auto& [name, value] : ch["fields"].items())
        EXPECT_TRUE(value.is_number() || value.is_string()) << name;
}

TEST_F(QavToolTest, FailuresAndBadUsage)
{
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    const std::string garbage = path("garbage.qav");
    std::ofstream(garbage) << "QAV but not really";
    const Case cases[] = {
        {{}, 2},
        {{"frobnicate"}, 2},
        {{"info"}, 2},
        {{"new", "--factory"}, 2},
        {{"new", "--factory", "-o", path("x"), "--range", "174-136"}, 2},
        {{"new", "--factory", "-o", path("x"), "--range", "abc"}, 2},
        {{"new", "--factory", "-o", path("x"), "--signal", "300"}, 2},
        {{"new", "--factory", "-o", path("x"), "--model-id", "SEVENTEEN-LETTERS"}, 2},
        {{"info", path("missing.qav")}, 1},
        {{"dump", garbage}, 1},
        {{"dump", garbage, "--json"}, 1},
        {{"repack", garbage, "-o", path("out.qav")}, 1},
        {{"new", "--factory", "-o", dir_}, 1},  // a folder
        {{"--help"}, 0},
    };
    for (const Case& c : cases) {
        const QavRun r = qav(c.args);
        std::string line;
        for (const auto& a : c.args) line += a + ' ';
        EXPECT_EQ(r.status, c.status) << line;
        if (c.status == 1) {
            EXPECT_NE(r.err.find("qav "), std::string::npos) << line;
        }
    }
    EXPECT_FALSE(std::ifstream(path("out.qav")).good());
}

TEST_F(QavToolTest, RepackKeepsTheInformationText)
{
    const std::string f = path("f.qav"), g = path("g.qav");
    ASSERT_EQ(qav({"new", "--factory", "-o", f}).status, 0);
    CCodeplugFile file;
    file.setHeader(headerOf(f));
    std::array<std::uint8_t, CodeplugFormat::kImageSize> img{};
    const std::string bytes = imageOf(f);
    std::copy(bytes.begin(), bytes.end(), img.begin());
    ASSERT_TRUE(file.write(f, "fleet 7", img));
    ASSERT_EQ(qav({"repack", f, "-o", g}).status, 0);
    std::string info;
    ASSERT_TRUE(CCodeplugFile::readFileInformation(g, info));
    EXPECT_EQ(info, "fleet 7");
}

TEST(QavProgram, ExitStatusOfTheExecutable)
{
#ifdef _WIN32
    const std::string qav = std::string(QAV_BIN_DIR) + "/qav.exe";
#else
    const std::string qav = std::string(QAV_BIN_DIR) + "/qav";
#endif
    auto status = [&](const std::vector<std::string>& args) { return testsupport::runProgram(qav, args); };
    EXPECT_EQ(status({"--help"}), 0);
    EXPECT_EQ(status({"info"}), 2);
    EXPECT_EQ(status({"info", "/nonexistent/file.qav"}), 1);
}

}  // namespace
