#include "model/FreqRangeEntry.h"
#include "model/ModelFile.h"
#include "settings/TestDir.h"

#include <gtest/gtest.h>

namespace {

TEST(FreqRangeValue, FieldsByPositionWithOrWithoutBlanks)
{
    struct Case { const char* text; std::optional<FreqRangeEntry> entry; };
    const Case cases[] = {
        {"430, 470, 430, 470, 128", FreqRangeEntry{430, 470, 430, 470, 0x80}},
        {"430,470,430,470,128", FreqRangeEntry{430, 470, 430, 470, 0x80}},
        {"  136 ,174,136,174,0", FreqRangeEntry{136, 174, 136, 174, 0}},
        {"400, 480", FreqRangeEntry{400, 480, 0, 0, 0}},
        {"x, y", FreqRangeEntry{0, 0, 0, 0, 0}},
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(parseFreqRangeValue(c.text), c.entry) << c.text;
    EXPECT_EQ(formatFreqRangeValue({350, 390, 350, 390, 1}), "350, 390, 350, 390, 1");
    EXPECT_EQ(rangeText({350, 390, 350, 390, 1}), "350-390");
}

class ModelFileTest : public ::testing::Test {
protected:
    void SetUp() override { dir.copyFixtures("Model.dat"); }
    TestDir dir;
};

TEST_F(ModelFileTest, CountsAndEntriesOfAnIdentifier)
{
    CModelFile f(dir.file("Model.dat"), "QAV-UV", "QAV-100", "400-470", 0);
    EXPECT_EQ(f.rangeCount(), 3);
    FreqRangeEntry e;
    ASSERT_TRUE(f.readEntry(1, e));
    EXPECT_EQ(e, (FreqRangeEntry{400, 470, 400, 470, 0}));
    EXPECT_FALSE(f.readEntry(3, e));
    f.setIdentifier("qav-u");
    EXPECT_EQ(f.rangeCount(), 1);
    f.setIdentifier("NOPE");
    EXPECT_EQ(f.rangeCount(), 0);
    CModelFile missing(dir.file("none.dat"), "QAV-UV", "", "", 0);
    EXPECT_EQ(missing.rangeCount(), 0);
    EXPECT_TRUE(missing.modelNames().empty());
}

TEST_F(ModelFileTest, ModelNamesResolveToTheFirstIdentifierListingThem)
{
    CModelFile f(dir.file("Model.dat"), "QAV-UV", "QAV-100", "400-470", 0);
    struct Case { const char* name; const char* id; };
    const Case cases[] = {{"QAV-100", "QAV-UV"}, {"QAV-200", "QAV-UV"}, {"QAV-300", "QAV-U"}, {"QAV-999", ""}};
    for (const auto& c : cases) EXPECT_EQ(f.findIdentifier(c.name), c.id) << c.name;
    EXPECT_EQ(f.identifiers(), (std::vector<std::string>{"QAV-UV", "QAV-U"}));
    EXPECT_EQ(f.modelNames().size(), 4u);
}

TEST_F(ModelFileTest, AppendAddsTheNextEntryAndKeepsTheFile)
{
    CModelFile f(dir.file("Model.dat"), "QAV-U", "QAV-300", "400-480", 0);
    ASSERT_TRUE(f.appendEntry({136, 174, 136, 174, 0x80}));
    EXPECT_EQ(f.rangeCount(), 2);
    std::string text = dir.read("Model.dat");
    EXPECT_NE(text.find("Number=2\nFreq0=400, 480, 400, 480, 0\nFreq1=136, 174, 136, 174, 128\n"),
              std::string::npos);
    EXPECT_NE(text.find("Freq2=350, 390, 350, 390, 1"), std::string::npos);

    // A new identifier gets its own section.
    f.setIdentifier("QAV-NEW");
    ASSERT_TRUE(f.appendEntry({450, 520, 450, 520, 0}));
    CModelFile check(dir.file("Model.dat"), "QAV-NEW", "", "", 0);
    EXPECT_EQ(check.rangeCount(), 1);
}

TEST_F(ModelFileTest, FailedAppendLeavesTheFileAndSaysWhy)
{
    std::string before = dir.read("Model.dat");
    dir.write("blocker", "");
    CModelFile f(dir.file("Model.dat"), dir.file("blocker/Model.dat"), "QAV-U", "QAV-300", "400-480", 0);
    EXPECT_FALSE(f.appendEntry({136, 174, 136, 174, 0x80}));
    EXPECT_FALSE(f.error().empty());
    EXPECT_EQ(f.rangeCount(), 1);
    EXPECT_EQ(dir.read("Model.dat"), before);
}

}  // namespace
