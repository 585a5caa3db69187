// The codeplug file reader on damaged files: every length field is
// checked against the file, nothing is read past its end, a failed image
// read leaves the caller's image untouched, and a successful one takes
// exactly the bytes the image block holds.
#include "MutationKit.h"

#include "model/CodeplugFile.h"
#include "settings/FileIO.h"
#include "settings/ModelValues.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <chrono>
#include <cstdlib>
#include <sys/stat.h>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include "TestSupport.h"

namespace {

constexpr int kIterations = 400;

class CodeplugFileMutation : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string tmpl = ::testing::TempDir() + "cpmutXXXXXX";
        ASSERT_NE(testsupport::makeTempDir(tmpl.data()), nullptr);
        dir_ = tmpl + "/";
    }
    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

    std::string put(const std::string& bytes) const
    {
        std::ofstream(dir_ + "f.qav", std::ios::binary) << bytes;
        return dir_ + "f.qav";
    }
    std::string get(const std::string& path) const
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    static std::string validBytes(const std::string& info)
    {
        ModelValues m;
        m.modelId = "QAV410";
        m.modelName = "QA-410";
        m.freqRange = "400-470";
        CCodeplugFile f;
        EXPECT_TRUE(f.setHeader(makeCodeplugHeader(m, "1.04.07")));
        std::array<std::uint8_t, CodeplugFormat::kImageSize> image;
        for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 7 + 1);
        return f.serialize(info, image);
    }

    static std::uint32_t u32At(const std::string& b, std::size_t at)
    {
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<std::uint8_t>(b[at + static_cast<std::size_t>(i)]);
        return v;
    }

    std::string dir_;
};

}  // namespace

TEST_F(CodeplugFileMutation, DamagedFilesReadOrFailWithoutSideEffects)
{
    const std::string sources[] = {validBytes(""), validBytes("info text"), validBytes(std::string(300, 'i'))};
    Mutator m(1208);
    int images = 0, failures = 0;
    for (int i = 0; i < scaled(kIterations); ++i) {
        const std::string& source = sources[m.below(3)];
        std::string bytes = source;
        if (m.chance(50)) {
            // Aim at the tags and length words of the three blocks.
            const std::uint32_t l1 = u32At(source, 123);
            const std::size_t words[] = {119, 123, 127 + l1, 131 + l1, 135 + l1, 139 + l1};
            const std::size_t at = words[m.below(6)];
            const std::uint32_t v = m.pick(Mutator::kBoundaryWords) + static_cast<std::uint32_t>(m.below(5)) - 2;
            for (int b = 0; b < 4; ++b) bytes[at + static_cast<std::size_t>(b)] = static_cast<char>(v >> (8 * b));
        }
        if (bytes == source || m.chance(50)) bytes = m.mutate(std::move(bytes));
        const std::string path = put(bytes);

        CodeplugHeader header{};
        header.fill(0xAB);
        std::string reason;
        if (!CCodeplugFile::readHeader(path, header, &reason)) {
            EXPECT_FALSE(reason.empty()) << "iteration " << i;
            for (std::uint8_t b : header) ASSERT_EQ(b, 0xAB) << "iteration " << i << ": failed header read wrote";
        } else {
            EXPECT_TRUE(hasHeaderTag(header));
            readHeaderFields(header).freqRange();
        }

        std::string info = "untouched";
        if (CCodeplugFile::readFileInformation(path, info, &reason)) {
            EXPECT_LE(info.size(), bytes.size()) << "iteration " << i;
            EXPECT_NE(bytes.find(info), std::string::npos) << "iteration " << i;
        } else {
            EXPECT_EQ(info, "untouched") << "iteration " << i;
        }

        std::array<std::uint8_t, CodeplugFormat::kImageSize> image;
        image.fill(0x5A);
        std::size_t count = 12345;
        reason.clear();
        if (CCodeplugFile::readImage(path, image, count, &reason)) {
            ++images;
            ASSERT_GE(count, 1u);
            ASSERT_LE(count, image.size());
            // The block's bytes, then the untouched rest.
            EXPECT_NE(bytes.find(std::string(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(count))),
                      std::string::npos)
                << "iteration " << i;
            for (std::size_t k = count; k < image.size(); ++k) ASSERT_EQ(image[k], 0x5A) << "iteration " << i;
        } else {
            ++failures;
            EXPECT_FALSE(reason.empty()) << "iteration " << i;
            EXPECT_EQ(count, 12345u) << "iteration " << i;
            for (std::uint8_t b : image) ASSERT_EQ(b, 0x5A) << "iteration " << i << ": failed image read wrote";
        }
    }
    EXPECT_GT(images, kIterations / 10);
    EXPECT_GT(failures, kIterations / 10);
}

// A write that cannot finish leaves the previous file as it was, and a
// written file reads back to the bytes that were written, whatever the
// information text holds.
TEST_F(CodeplugFileMutation, WritesRoundTripAndFailedWritesKeepTheOldFile)
{
    Mutator m(5);
    ModelValues model;
    model.modelId = "QAV410";
    model.freqRange = "400-470";
    CCodeplugFile f;
    ASSERT_TRUE(f.setHeader(makeCodeplugHeader(model, "1.04.07")));
    const std::string path = dir_ + "w.qav";
    for (int i = 0; i < 40; ++i) {
        std::array<std::uint8_t, CodeplugFormat::kImageSize> image;
        for (auto& b : image) b = m.byte();
        const std::string info = m.mutate("information text", 3);
        ASSERT_TRUE(f.write(path, info, image, CCodeplugFile::EmptyInfo::WriteEmpty)) << "iteration " << i;
        std::array<std::uint8_t, CodeplugFormat::kImageSize> back{};
        std::size_t count = 0;
        ASSERT_TRUE(CCodeplugFile::readImage(path, back, count));
        EXPECT_EQ(back, image);
        std::string text;
        if (!info.empty()) {
            ASSERT_TRUE(CCodeplugFile::readFileInformation(path, text));
            EXPECT_EQ(text, info);
        }
    }
#ifndef _WIN32  // Windows has no write permission on folders
    // A folder in the way of the temporary file: the write fails, the old file stays.
    const std::string before = get(path);
    ASSERT_EQ(::chmod(dir_.c_str(), 0500), 0);
    std::array<std::uint8_t, CodeplugFormat::kImageSize> zero{};
    const Outcome r = f.write(path, "new", zero);
    ::chmod(dir_.c_str(), 0700);
    if (::geteuid() != 0) {  // root writes anyway
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.args.size(), 2u);
    }
    if (!r.ok) {
        EXPECT_EQ(get(path), before);
    }
#endif
}

// A FIFO (or a terminal device) in place of a codeplug or settings file is
// refused at once instead of waiting for a writer that never comes.
TEST_F(CodeplugFileMutation, SpecialFilesAreRefusedWithoutWaiting)
{
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "Node's file layer under the WebAssembly build shows a FIFO as an empty regular file; "
                    "a browser has no FIFOs";
#endif
#ifdef _WIN32
    const std::string fifo = "NUL";  // a device: no FIFOs here
#else
    const std::string fifo = dir_ + "fifo.qav";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
#endif
    const auto start = std::chrono::steady_clock::now();
    CodeplugHeader header{};
    std::string reason, info;
    EXPECT_FALSE(CCodeplugFile::readHeader(fifo, header, &reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_FALSE(CCodeplugFile::readFileInformation(fifo, info));
    std::array<std::uint8_t, CodeplugFormat::kImageSize> image{};
    std::size_t count = 0;
    EXPECT_FALSE(CCodeplugFile::readImage(fifo, image, count));
    std::string text;
    EXPECT_FALSE(readWholeFile(fifo, text));
    EXPECT_FALSE(readWholeFile(dir_, text));  // a folder
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}
