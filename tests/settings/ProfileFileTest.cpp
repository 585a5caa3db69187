#include "settings/ProfileFile.h"
#include "settings/TestDir.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(ProfileInt, ReadsLikeThePlatform)
{
    struct Case { const char* text; int value; };
    const Case cases[] = {
        {"42", 42},           {"  42", 42},        {"\t-7", -7},         {"+8", 8},
        {"12abc", 12},        {"3.9", 3},          {"abc", 0},           {"", 0},
        {"- 5", 0},           {"52806273", 52806273},
        {"99999999999", INT_MAX}, {"-99999999999", INT_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(parseProfileInt(c.text), c.value) << c.text;
}

TEST(ProfileFile, SectionsAndKeysIgnoreCaseAndMissingKeysGiveDefault)
{
    ProfileFile f;
    f.parse("[Setting]\nModelID = QAV-UV \nsignal=2\n[Other]\nModelID=X\n");
    EXPECT_EQ(f.getString("setting", "MODELID", "d", 100), "QAV-UV");
    EXPECT_EQ(f.getString("SETTING", "Missing", "d", 100), "d");
    EXPECT_EQ(f.getString("Nowhere", "ModelID", "", 100), "");
    EXPECT_EQ(f.getInt("Setting", "Signal", 9), 2);
    EXPECT_EQ(f.getInt("Setting", "Missing", 9), 9);
    EXPECT_EQ(f.getString("other", "modelid", "", 100), "X");
}

TEST(ProfileFile, FirstSectionAndKeyWinQuotesAreRemovedCommentsIgnored)
{
    ProfileFile f;
    f.parse("[A]\nk=1\nk=2\n;c=3\n[a]\nk=4\nj=5\n[B]\nq=\" padded \"\n");
    EXPECT_EQ(f.getString("A", "k", "", 100), "1");
    EXPECT_EQ(f.getString("A", "j", "none", 100), "none");
    EXPECT_EQ(f.getString("A", ";c", "none", 100), "none");
    EXPECT_EQ(f.getString("B", "q", "", 100), " padded ");
}

TEST(ProfileFile, ValuesAreCutToTheBufferWithoutSplittingCharacters)
{
    ProfileFile f;
    f.parse("[S]\nascii=" + std::string(300, 'x') + "\nwide=ab\xE4\xBA\x94\xE4\xBA\x94\n");
    EXPECT_EQ(f.getString("S", "ascii", "", 100).size(), 99u);
    EXPECT_EQ(f.getString("S", "ascii", "", 256).size(), 255u);
    EXPECT_EQ(f.getString("S", "wide", "", 6), "ab\xE4\xBA\x94");   // 5 bytes fit exactly
    EXPECT_EQ(f.getString("S", "wide", "", 5), "ab");               // a half character is dropped
    EXPECT_EQ(f.getString("S", "missing", "defaultvalue", 4), "def");
    EXPECT_EQ(f.getString("S", "ascii", "", 0), "");
}

TEST(ProfileFile, ByteOrderMarkAndCrLfAreAcceptedAndKept)
{
    ProfileFile f;
    f.parse("\xEF\xBB\xBF[Setting]\r\nA=1\r\n");
    EXPECT_EQ(f.getString("Setting", "A", "", 100), "1");
    ASSERT_TRUE(f.setString("Setting", "B", "2"));
    EXPECT_EQ(f.text(), "\xEF\xBB\xBF[Setting]\r\nA=1\r\nB=2\r\n");
}

TEST(ProfileFile, WritesChangeOneLineAndKeepTheRest)
{
    struct Case { const char* before; const char* section; const char* key; const char* value; const char* after; };
    const Case cases[] = {
        {"; head\n[Setting]\nSignal=0 ; old\n\n[Other]\nx=1\n", "setting", "SIGNAL", "5",
         "; head\n[Setting]\nSignal=5\n\n[Other]\nx=1\n"},
        {"[Setting]\nA=1\n; note\n\n[Other]\n", "Setting", "B", "2",
         "[Setting]\nA=1\nB=2\n; note\n\n[Other]\n"},
        {"[Setting]\nA=1", "New", "K", "v", "[Setting]\nA=1\n\n[New]\nK=v\n"},
        {"", "Setting", "K", "v", "[Setting]\nK=v\n"},
        {"[Empty]\n[Next]\n", "Empty", "K", "v", "[Empty]\nK=v\n[Next]\n"},
        {"[S]\n  Key = old\n", "S", "key", "new", "[S]\n  Key=new\n"},
    };
    for (const auto& c : cases) {
        ProfileFile f;
        f.parse(c.before);
        ASSERT_TRUE(f.setString(c.section, c.key, c.value)) << c.before;
        EXPECT_EQ(f.text(), c.after) << c.before;
    }
}

TEST(ProfileFile, LineEndsAreKeptByteForByte)
{
    // Loading and saving give back exactly the bytes that were read.
    const std::string unchanged[] = {
        "[S]\nA=1\n\r\r\r\n",
        "[S]\r\nA=1\nB=2\r\r\n\rC=3\r",
        "\xEF\xBB\xBF[S]\r\r\n",
        "\r\r\n\n\r",
        "no section\r",
    };
    for (const auto& text : unchanged) {
        ProfileFile f;
        f.parse(text);
        EXPECT_EQ(f.text(), text);
    }

    // Setting a key changes that line's text and nothing else.
    struct Case { const char* before; const char* key; const char* after; };
    const Case cases[] = {
        {"[S]\nA=1\n\r\r\r\n", "A", "[S]\nA=9\n\r\r\r\n"},
        {"[S]\r\nA=1\nB=2\r\r\n", "B", "[S]\r\nA=1\nB=9\r\r\n"},
        {"[S]\r\nA=1\nB=2\r\n[T]\n", "C", "[S]\r\nA=1\nB=2\r\nC=9\r\n[T]\n"},  // new lines: the first line's style
        {"[S]\nA=1", "B", "[S]\nA=1\nB=9"},                 // still no LF at the end
        {"[S]\nA=1\r", "B", "[S]\nA=1\r\nB=9"},              // a lone CR at the end gets its LF
    };
    for (const auto& c : cases) {
        ProfileFile f;
        f.parse(c.before);
        ASSERT_TRUE(f.setString("S", c.key, "9")) << c.before;
        EXPECT_EQ(f.text(), c.after) << c.before;
        ProfileFile again;
        again.parse(f.text());
        EXPECT_EQ(again.getString("S", c.key, "", 100), "9") << c.before;
        EXPECT_EQ(again.text(), c.after) << c.before;
    }
}

TEST(ProfileFile, RefusesWritesThatWouldBreakTheFile)
{
    ProfileFile f;
    f.parse("[S]\nK=1\n");
    EXPECT_FALSE(f.setString("S", "K", "two\nlines"));
    EXPECT_FALSE(f.setString("S", "a=b", "1"));
    EXPECT_FALSE(f.setString("S]x", "K", "1"));
    EXPECT_FALSE(f.setString("S", "", "1"));
    EXPECT_EQ(f.text(), "[S]\nK=1\n");
}

TEST(ProfileFile, UntrustedContentLoadsWithoutHarm)
{
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919) & 0xFF);
    const std::string cases[] = {
        garbage,
        "[Setting]\nA=" + std::string(1 << 20, 'y'),          // overlong line, no newline at the end
        "A=1\nB=2\n",                                          // keys outside any section
        "[Unclosed\nA=1\n[]\n=\n==\n[Setting\nB=2",
        std::string("[Setting]\nA=1\0\xFF\xFE=\n", 16),
        "\xEF\xBB\xBF",
        "\r\r\n\n\r",
    };
    for (const auto& text : cases) {
        ProfileFile f;
        f.parse(text);
        (void)f.getString("Setting", "A", "", 25600);
        (void)f.getInt("Setting", "B", 0);
        EXPECT_TRUE(f.setString("Setting", "C", "3"));
        EXPECT_EQ(f.getString("Setting", "C", "", 100), "3");
    }
    ProfileFile f;
    f.parse("[Unclosed\nA=1\n[Setting\nB=2");
    EXPECT_EQ(f.getString("Unclosed", "A", "", 100), "1");
    EXPECT_EQ(f.getInt("Setting", "B", 0), 2);
}

TEST(ProfileFile, SaveReplacesTheFileAndKeepsItWhenWritingFails)
{
    TestDir dir;
    dir.write("a.ini", "; keep me\n[S]\nK=1\n");
    ASSERT_TRUE(writeProfileString(dir.file("a.ini"), dir.file("a.ini"), "S", "K", "2"));
    EXPECT_EQ(dir.read("a.ini"), "; keep me\n[S]\nK=2\n");
    EXPECT_EQ(readProfileInt(dir.file("a.ini"), "s", "k", 0), 2);

    // The target is a folder: nothing may be lost and the caller is told.
    std::filesystem::create_directory(dir.file("b.ini"));
    std::string error;
    EXPECT_FALSE(writeProfileString(dir.file("a.ini"), dir.file("b.ini"), "S", "K", "3", &error));
    EXPECT_NE(error.find("b.ini"), std::string::npos);
    EXPECT_EQ(dir.read("a.ini"), "; keep me\n[S]\nK=2\n");

    // A file that exists but cannot be read is not replaced by a one-key file.
    dir.write("big.ini", std::string(17 * 1024 * 1024, ';'));
    EXPECT_FALSE(writeProfileString(dir.file("big.ini"), dir.file("big.ini"), "S", "K", "1"));
    EXPECT_EQ(std::filesystem::file_size(dir.file("big.ini")), 17u * 1024 * 1024);

    // No temporary files are left behind.
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 3);
}

}  // namespace
