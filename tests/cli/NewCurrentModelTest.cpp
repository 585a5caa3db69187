// qav new takes the model from Settings.ini in the program directory (--home)
// and that model's default codeplug file.
#include "cli/QavTool.h"
#include "model/CodeplugFile.h"
#include "model/CodeplugFileHeader.h"
#include "settings/TestDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace {

constexpr std::size_t kImageOffset = 143;  // in a file with an empty information text
constexpr std::size_t kStampFirst = 32, kStampLast = 39;

int qav(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    return runQav(args, out, err, "/nonexistent-program-dir");
}

std::string imageOf(const std::string& path)
{
    std::array<std::uint8_t, CodeplugFormat::kImageSize> img{};
    std::size_t count = 0;
    EXPECT_TRUE(CCodeplugFile::readImage(path, img, count)) << path;
    return std::string(img.begin(), img.end());
}

CodeplugHeaderFields headerOf(const std::string& path)
{
    CodeplugHeader h{};
    EXPECT_TRUE(CCodeplugFile::readHeader(path, h)) << path;
    return readHeaderFields(h);
}

class NewCurrentModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        home.write("Settings.ini", "[Setting]\nModelID=QAV420\nModelName=QAV-420\nFreqRange=450-520\nSignal=1\n");
        home.write("Model.dat", "[Setting]\nModelID=QAV420\nQAV420=QAV-420\n[QAV420]\nNumber=2\n"
                                "Freq0=136, 174, 136, 174, 128\nFreq1=450, 520, 450, 520, 3\n");
    }
    // A default codeplug for the model with a marker byte in its image.
    void writeDefaultFile(const std::string& name, char marker)
    {
        ASSERT_EQ(qav({"--home", home.path(), "new", "--factory", "-o", home.file("base.qav")}), 0);
        std::string bytes = home.read("base.qav");
        bytes[kImageOffset + 700] = marker;
        home.write(name, bytes);
    }
    TestDir home;
};

TEST_F(NewCurrentModelTest, UsesTheCurrentModelAndItsDefaultFile)
{
    writeDefaultFile("QAV420450-520DefaultSet.dat", 0x5A);
    ASSERT_EQ(qav({"--home", home.path(), "new", "-o", home.file("new.qav")}), 0);
    CodeplugHeaderFields h = headerOf(home.file("new.qav"));
    EXPECT_EQ(h.modelId, "QAV420");
    EXPECT_EQ(h.modelName, "QAV-420");
    EXPECT_EQ(h.freqRange(), "450-520");
    EXPECT_EQ(h.signal, 1);
    EXPECT_EQ(h.bandFlags, 3);
    EXPECT_EQ(imageOf(home.file("new.qav"))[700], 0x5A);
}

TEST_F(NewCurrentModelTest, OptionsReplaceSingleValues)
{
    writeDefaultFile("QAV420450-520DefaultSet.dat", 0x5A);
    struct Case { std::vector<std::string> options; const char* id; const char* range; int signal; bool fromDefault; };
    const Case cases[] = {
        {{"--range", "136-174"}, "QAV420", "136-174", 1, false},   // no default file for that range
        {{"--signal", "0"}, "QAV420", "450-520", 0, true},
        {{"--factory"}, "QAV420", "450-520", 1, false},
        {{"--model-id", "OTHER"}, "OTHER", "136-174", 1, false},   // a model without ranges: the default one
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"--home", home.path(), "new", "-o", home.file("o.qav")};
        args.insert(args.end(), c.options.begin(), c.options.end());
        ASSERT_EQ(qav(args), 0) << c.options[0];
        CodeplugHeaderFields h = headerOf(home.file("o.qav"));
        EXPECT_EQ(h.modelId, c.id) << c.options[0];
        EXPECT_EQ(h.freqRange(), c.range) << c.options[0];
        EXPECT_EQ(h.signal, c.signal) << c.options[0];
        EXPECT_EQ(imageOf(home.file("o.qav"))[700] == 0x5A, c.fromDefault) << c.options[0];
    }
}

TEST(NewShippedData, ProducesTheDefaultCodeplugOfTheShippedSettings)
{
    // A copy of the program directory's data files and the default codeplug
    // that its Settings.ini names.
    TestDir home;
    const std::string bin = std::string(QAV_BIN_DIR) + "/";
    for (const char* name : {"Settings.ini", "Model.dat", "QAV_E.lng", "QAV_S.lng", "volume.ini"})
        std::filesystem::copy_file(bin + name, home.file(name));
    ASSERT_EQ(qav({"--home", home.path(), "new", "--factory", "-o", home.file("probe.qav")}), 0);
    CodeplugHeaderFields current = headerOf(home.file("probe.qav"));
    const std::string defaultName = current.modelId + current.freqRange() + "DefaultSet.dat";
    ASSERT_TRUE(std::filesystem::exists(bin + defaultName)) << defaultName;
    std::filesystem::copy_file(bin + defaultName, home.file(defaultName));

    // New unpacks the default image into the sections and packs them again,
    // as an Open and Save As (repack) of the same file does.
    ASSERT_EQ(qav({"--home", home.path(), "new", "-o", home.file("new.qav")}), 0);
    ASSERT_EQ(qav({"--home", home.path(), "repack", home.file(defaultName), "-o", home.file("repacked.qav")}), 0);
    std::string made = imageOf(home.file("new.qav")), shipped = imageOf(home.file("repacked.qav"));
    ASSERT_EQ(made.size(), shipped.size());
    for (std::size_t i = 0; i < made.size(); ++i)
        if (i < kStampFirst || i > kStampLast) {  // a fresh stamp
            ASSERT_EQ(int(static_cast<unsigned char>(made[i])), int(static_cast<unsigned char>(shipped[i])))
                << "image byte " << i;
        }
    EXPECT_EQ(headerOf(home.file("new.qav")).modelId, current.modelId);
}

}  // namespace
