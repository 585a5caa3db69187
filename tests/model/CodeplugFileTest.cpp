// Codeplug files: round trip, the header, and files that are not what they claim.
#include <gtest/gtest.h>

#include <filesystem>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "model/CodeplugFile.h"
#include "settings/ModelValues.h"
#include "settings/TextIds.h"
#include "TestSupport.h"

namespace {

using Image = std::array<std::uint8_t, CodeplugFormat::kImageSize>;

class CodeplugFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string tmpl = ::testing::TempDir() + "codeplugXXXXXX";
        ASSERT_NE(testsupport::makeTempDir(tmpl.data()), nullptr);
        dir_ = tmpl;
        model_.modelId = "QAV-E";
        model_.modelName = "QA-100";
        model_.freqRange = "136-174";
        model_.signal = 0x1234;
        model_.bandFlags = 0x81;
        ASSERT_TRUE(file_.setHeader(makeCodeplugHeader(model_, "1.04.07")));
        for (std::size_t i = 0; i < image_.size(); ++i) image_[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

    std::string path(const std::string& name) const { return dir_ + "/" + name; }
    static std::string slurp(const std::string& p)
    {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void spit(const std::string& p, const std::string& bytes)
    {
        std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
    }
    static void putU32(std::string& s, std::size_t off, std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i) s[off + static_cast<std::size_t>(i)] = static_cast<char>(v >> (8 * i));
    }

    std::string dir_;
    ModelValues model_;
    CCodeplugFile file_;
    Image image_{};
};

TEST_F(CodeplugFileTest, WriteAndReadBackGiveTheSameHeaderImageAndText)
{
    const std::string p = path("a.qav");
    ASSERT_TRUE(file_.write(p, "Site 4, fleet B", image_));
    EXPECT_EQ(slurp(p).size(), 8335u + 15u);

    CodeplugHeader h{};
    ASSERT_TRUE(CCodeplugFile::readHeader(p, h));
    EXPECT_EQ(h, file_.header());
    std::string info;
    ASSERT_TRUE(CCodeplugFile::readFileInformation(p, info));
    EXPECT_EQ(info, "Site 4, fleet B");
    Image back{};
    std::size_t count = 0;
    ASSERT_TRUE(CCodeplugFile::readImage(p, back, count));
    EXPECT_EQ(count, CodeplugFormat::kImageSize);
    EXPECT_EQ(back, image_);
}

TEST_F(CodeplugFileTest, HeaderLayout)
{
    model_.modelName = "SIXTEEN-CHARS-XY";  // exactly 16: no terminator
    const CodeplugHeader h = makeCodeplugHeader(model_, "1.04.07");
    const std::string bytes(h.begin(), h.end());
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x58\x48\x10\x10\x74\x00\x00\x00", 8));
    EXPECT_EQ(bytes.substr(12, 6), std::string("QAV-E\0", 6));
    EXPECT_EQ(bytes.substr(28, 16), "SIXTEEN-CHARS-XY");
    EXPECT_EQ(bytes.substr(44, 4), std::string("\x88\x00\xAE\x00", 4));  // 136, 174
    EXPECT_EQ(bytes.substr(52, 8), std::string("1.04.07\0", 8));
    EXPECT_EQ(bytes.substr(68, 8), std::string("1.04.07\0", 8));
    EXPECT_EQ(h[84], 0x81);
    EXPECT_EQ(h[85], 0x34);  // low 8 bits of the signal
    EXPECT_TRUE(std::all_of(h.begin() + 86, h.end(), [](std::uint8_t b) { return b == 0; }));

    const CodeplugHeaderFields f = readHeaderFields(h);
    EXPECT_EQ(f.modelName, "SIXTEEN-CHARS-XY");
    EXPECT_EQ(f.freqRange(), "136-174");
    EXPECT_EQ(f.signal, 0x34);
    ModelValues m;
    applyHeaderToModel(h, m);
    EXPECT_EQ(m.modelId, "QAV-E");
    EXPECT_EQ(m.freqRange, "136-174");
}

TEST_F(CodeplugFileTest, FirmwareVersionComparison)
{
    struct Case {
        const char* firmware;
        int vs104;
    };
    const Case cases[] = {{"1.04.99", 0}, {"1.03.00", -1}, {"", -1}, {"1.05.00", 1}, {"2.00.00", 1}};
    for (const Case& c : cases) {
        const CodeplugHeader h = makeCodeplugHeader(model_, c.firmware);
        const int r = compareFirmwarePrefix(h, "1.04");
        EXPECT_EQ((r > 0) - (r < 0), c.vs104) << c.firmware;
    }
    EXPECT_LT(compareFirmwarePrefix(makeCodeplugHeader(model_, "1.01.00"), "1.02"), 0);
    EXPECT_EQ(compareFirmwarePrefix(makeCodeplugHeader(model_, "1.02.00"), "1.02"), 0);
}

TEST_F(CodeplugFileTest, TruncatedFilesAreRefusedAtEveryLength)
{
    const std::string good = path("good.qav");
    ASSERT_TRUE(file_.write(good, "info", image_));
    const std::string full = slurp(good);
    const std::string p = path("cut.qav");
    for (std::size_t len = 0; len < full.size(); ++len) {
        spit(p, full.substr(0, len));
        CodeplugHeader h{};
        EXPECT_EQ(CCodeplugFile::readHeader(p, h), len >= 119) << len;
        std::string info;
        EXPECT_EQ(CCodeplugFile::readFileInformation(p, info), len >= 127 + 4) << len;
        Image img{};
        std::size_t count = 0;
        std::string reason;
        EXPECT_FALSE(CCodeplugFile::readImage(p, img, count, &reason)) << len;
        EXPECT_FALSE(reason.empty());
        EXPECT_TRUE(std::all_of(img.begin(), img.end(), [](std::uint8_t b) { return b == 0; })) << len;
    }
}

TEST_F(CodeplugFileTest, DamagedMarksAndLengthsAreRefused)
{
    const std::string good = path("good.qav");
    ASSERT_TRUE(file_.write(good, "abc", image_));
    const std::string full = slurp(good);
    // L1 = 3: info at 127, reserved tag at 130, L2 at 134, image tag at 138, L3 at 142.
    struct Case {
        const char* what;
        std::size_t off;
        std::uint32_t value;
        bool header, info, image;
    };
    const Case cases[] = {
        {"magic", 0, 0x00564151 ^ 0x20, false, false, false},
        {"header tag", 3, 0x10104859, false, true, true},
        {"info tag", 119, 0x10104D59, true, false, false},
        {"huge L1", 123, 0xFFFFFFFFu, true, false, false},
        {"L1 past the end", 123, 9000, true, false, false},
        {"image tag", 138, 0x10104559, true, true, false},
        {"huge L2", 134, 0xFFFFFFF0u, true, true, false},
        {"L3 above the image", 142, 8193, true, true, false},
        {"huge L3", 142, 0xFFFFFFFFu, true, true, false},
        {"empty image block", 142, 0, true, true, false},
    };
    const std::string p = path("bad.qav");
    for (const Case& c : cases) {
        std::string bytes = full;
        putU32(bytes, c.off, c.value);
        spit(p, bytes);
        CodeplugHeader h{};
        std::string info;
        Image img{};
        std::size_t count = 0;
        EXPECT_EQ(CCodeplugFile::readHeader(p, h), c.header) << c.what;
        EXPECT_EQ(CCodeplugFile::readFileInformation(p, info), c.info) << c.what;
        EXPECT_EQ(CCodeplugFile::readImage(p, img, count), c.image) << c.what;
        if (!c.image) {
            EXPECT_TRUE(std::all_of(img.begin(), img.end(), [](std::uint8_t b) { return b == 0; })) << c.what;
        }
    }
    Image img{};
    std::size_t count = 0;
    EXPECT_FALSE(CCodeplugFile::readImage(path("missing.qav"), img, count));
    EXPECT_FALSE(CCodeplugFile::readImage(dir_, img, count));  // a folder
}

TEST_F(CodeplugFileTest, ShortImageBlockReplacesOnlyItsBytes)
{
    // A file whose image block says 100 and holds 100 bytes, after a
    // reserved block that is not empty.
    std::string bytes = file_.serialize("", image_);
    bytes.resize(135);
    putU32(bytes, 131, 5);
    bytes += "RSRVD";
    bytes += std::string("\x58\x45\x10\x10\x64\x00\x00\x00", 8);
    bytes += std::string(100, '\x5A');
    const std::string p = path("short.qav");
    spit(p, bytes);
    Image img;
    img.fill(0xEE);
    std::size_t count = 0;
    ASSERT_TRUE(CCodeplugFile::readImage(p, img, count));
    EXPECT_EQ(count, 100u);
    EXPECT_TRUE(std::all_of(img.begin(), img.begin() + 100, [](std::uint8_t b) { return b == 0x5A; }));
    EXPECT_TRUE(std::all_of(img.begin() + 100, img.end(), [](std::uint8_t b) { return b == 0xEE; }));
}

TEST_F(CodeplugFileTest, InformationTextRulesOfWrite)
{
    const std::string p = path("keep.qav");
    ASSERT_TRUE(file_.write(p, "", image_));  // new file, empty text: L1 = 0
    EXPECT_EQ(slurp(p).substr(123, 4), std::string(4, '\0'));
    std::string info;
    EXPECT_FALSE(CCodeplugFile::readFileInformation(p, info));

    ASSERT_TRUE(file_.write(p, "first", image_));
    ASSERT_TRUE(file_.write(p, "", image_));  // Save: the file keeps its text
    ASSERT_TRUE(CCodeplugFile::readFileInformation(p, info));
    EXPECT_EQ(info, "first");
    ASSERT_TRUE(file_.write(p, "second", image_));
    ASSERT_TRUE(CCodeplugFile::readFileInformation(p, info));
    EXPECT_EQ(info, "second");
    ASSERT_TRUE(file_.write(p, "", image_, CCodeplugFile::EmptyInfo::WriteEmpty));
    EXPECT_FALSE(CCodeplugFile::readFileInformation(p, info));
}

TEST_F(CodeplugFileTest, FailedWriteKeepsTheOldFileAndSaysWhy)
{
    CCodeplugFile noHeader;
    CodeplugHeader untagged{};
    EXPECT_FALSE(noHeader.setHeader(untagged));
    Outcome o = noHeader.write(path("x.qav"), "", image_);
    EXPECT_FALSE(o);
    EXPECT_EQ(o.message, MsgId::kSaveFailed);

    o = file_.write(dir_, "", image_);  // the path is a folder
    EXPECT_FALSE(o);
    EXPECT_EQ(o.message, MsgId::kSaveFailed);
    ASSERT_EQ(o.args.size(), 2u);
    EXPECT_EQ(o.args[0], dir_);
    EXPECT_FALSE(o.args[1].empty());

    // A name of 250 characters is valid, but its temporary sibling is too
    // long to create: the write fails before the old file is touched.
    const std::string p = path(std::string(250, 'k'));
    spit(p, "previous content");
    o = file_.write(p, "new", image_);
    EXPECT_FALSE(o);
    EXPECT_EQ(slurp(p), "previous content");
}

}  // namespace
