// The model database as an untrusted file: damaged copies of the shipped
// Model.dat go through every lookup the program makes on it (identifiers,
// model names, range counts and entries, the range list and its band
// flags) and through the new-range offer, which writes to it. No input may
// crash, hang or lose a range the file already lists.
#include "MutationKit.h"

#include "model/ModelFile.h"
#include "model/NewRangeOffer.h"
#include "model/RangeList.h"
#include "settings/Prompt.h"
#include "settings/SettingsManager.h"
#include "settings/TestDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>

namespace {

constexpr int kIterations = 150;

struct YesPrompt : IPrompt {
    bool confirm(int, const std::string&, PromptButtons) override { return true; }
    std::optional<std::string> askPassword(int) override { return std::nullopt; }
};

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t nl = text.find('\n', start);
        std::string line = text.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
    return lines;
}

// How many lines of `before` are gone from `after`, counted as a multiset
// (the Number line, and an empty Freq line a new range takes, are replaced).
std::size_t linesLost(const std::string& before, const std::string& after)
{
    std::multiset<std::string> left;
    for (auto& line : linesOf(after)) left.insert(line);
    std::size_t lost = 0;
    for (const auto& line : linesOf(before)) {
        auto it = left.find(line);
        if (it == left.end()) ++lost;
        else left.erase(it);
    }
    return lost;
}

// The ranges a model's list shows, read the way the program reads them.
std::vector<FreqRangeEntry> shownRanges(const std::string& path, const std::string& id)
{
    RangeList list;
    list.load(path, id);
    return list.entries();
}

}  // namespace

TEST(ModelFileMutation, DamagedDatabasesAnswerEveryLookup)
{
    TestDir dir;
    const std::string valid = [] {
        std::ifstream in(QAV_DATA_DIR "/Model.dat", std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }();
    ASSERT_FALSE(valid.empty());
    Mutator m(31337);
    for (int i = 0; i < scaled(kIterations); ++i) {
        const std::string text = m.mutate(valid, 5);
        dir.write("Model.dat", text);
        const std::string path = dir.file("Model.dat");

        CModelFile file(path, "QAV410", "QAV-410", "400-470", 0);
        for (const auto& id : file.identifiers()) {
            file.setIdentifier(id);
            FreqRangeEntry e;
            for (int k = 0; k < std::min(file.rangeCount(), 8); ++k) file.readEntry(k, e);
        }
        for (const auto& [id, name] : file.modelNames()) EXPECT_FALSE(file.findIdentifier(name).empty()) << i;

        for (const char* id : {"QAV410", "QAV420", "qav410", ""}) {
            RangeList list;
            list.load(path, id);
            ASSERT_GE(list.count(), 1) << "iteration " << i;  // never empty
            for (const auto& e : list.entries()) {
                list.bandFlags(rangeText(e));
                EXPECT_TRUE(list.contains(e.low, e.high));
            }
            list.bandFlags(m.mutate("400-470", 2));
        }
    }
}

// Adding a range to a damaged database: the write either fails and leaves
// the file as it was, or adds one range that the list then shows, and
// keeps every range and line the file had.
TEST(ModelFileMutation, NewRangesAreAddedWithoutLoss)
{
    TestDir dir;
    dir.write("Settings.ini", "[Setting]\nModelID=QAV410\nModelName=QAV-410\nFreqRange=400-470\nLanguage=0\n");
    std::filesystem::copy_file(QAV_DATA_DIR "/QAV_E.lng", dir.file("QAV_E.lng"));
    const std::string valid =
        "[Setting]\nModelID=QAV410\nQAV410=QAV-410\n\n[QAV410]\nNumber=3\nFreq0=136, 174, 136, 174, 128\n"
        "Freq1=400, 470, 400, 470, 1\nFreq2=350, 390, 350, 390, 2\n";
    Mutator m(2718);
    for (int i = 0; i < scaled(kIterations); ++i) {
        std::string text = m.mutate(valid, 3);
        if (m.chance(30)) {
            // A Number that disagrees with the entries.
            const char* numbers[] = {"-1", "0", "1", "2", "5", "2147483647", "99999999999", "-2147483648", "x"};
            const auto at = text.find("Number=");
            if (at != std::string::npos) text.insert(at + 7, std::string(numbers[m.below(9)]) + "\n;");
        }
        dir.write("Model.dat", text);
        const std::string path = dir.file("Model.dat");
        const auto before = shownRanges(path, "QAV410");

        CSettingsManager settings(dir.path(), dir.file("user/"));
        RangeList ranges;
        ranges.load(settings);
        YesPrompt yes;
        const FreqRangeEntry wanted{300 + static_cast<int>(m.below(50)), 600, 0, 0, 7};
        const NewRangeOffer offer = offerNewRange(wanted, ranges, settings, yes);
        const std::string after = dir.read("Model.dat");
        switch (offer.result) {
        case NewRangeResult::AlreadyListed:
        case NewRangeResult::Declined: ADD_FAILURE() << "iteration " << i << ": a new range was not offered"; break;
        case NewRangeResult::WriteFailed:
            EXPECT_FALSE(offer.error.empty());
            EXPECT_EQ(after, text) << "iteration " << i;
            break;
        case NewRangeResult::Added: {
            EXPECT_TRUE(ranges.contains(wanted.low, wanted.high)) << "iteration " << i << ": added range not listed\n"
                                                                   << after;
            EXPECT_LE(linesLost(text, after), 2u) << "iteration " << i << ": lines lost\n" << text << "\n--\n" << after;
            // Every range the list showed before is still shown.
            const auto now = shownRanges(path, "QAV410");
            for (const auto& e : before) {
                if (e == kDefaultFreqRangeEntry) continue;  // stands in for an unreadable entry
                EXPECT_NE(std::find(now.begin(), now.end(), e), now.end())
                    << "iteration " << i << ": range " << rangeText(e) << " lost\n" << text << "\n--\n" << after;
            }
            break;
        }
        }
    }
}

// A database whose Number promises far more ranges than it holds, or holds
// thousands, is read in one pass.
TEST(ModelFileMutation, LargeRangeCountsLoadInBoundedTime)
{
    TestDir dir;
    std::string text = "[Setting]\nModelID=QAV410\n[QAV410]\nNumber=2147483647\n";
    for (int k = 0; k < 5000; ++k) text += "Freq" + std::to_string(k) + "=" + std::to_string(100 + k % 300) + ", 600, 0, 0, 1\n";
    dir.write("Model.dat", text);
    const auto start = std::chrono::steady_clock::now();
    RangeList list;
    list.load(dir.file("Model.dat"), "QAV410");
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(list.count(), 5001);  // the 5000 entries, then the default in place of Freq5000
    EXPECT_LT(took, std::chrono::seconds(2));
}

// A Number that disagrees with the entries: the new range goes to the first
// free place after the run from Freq0, where the list shows it, and no
// range is replaced (a Number of 0 or less used to overwrite Freq0, one
// beyond a gap hid the new range, and the largest one overflowed).
TEST(ModelFileMutation, AppendFollowsTheEntriesNotADamagedNumber)
{
    struct Case { const char* number; const char* entries; int index; };
    const Case cases[] = {
        {"3", "Freq0=1, 2, 1, 2, 0\nFreq1=3, 4, 3, 4, 0\nFreq2=5, 6, 5, 6, 0\n", 3},
        {"-1", "Freq0=1, 2, 1, 2, 0\nFreq1=3, 4, 3, 4, 0\n", 2},
        {"0", "Freq0=1, 2, 1, 2, 0\n", 1},
        {"", "Freq0=1, 2, 1, 2, 0\n", 1},
        {"5", "Freq0=1, 2, 1, 2, 0\nFreq2=5, 6, 5, 6, 0\n", 1},
        {"2147483647", "Freq0=1, 2, 1, 2, 0\n", 1},
        {"1", "Freq0=1, 2, 1, 2, 0\nFreq1=\n", 1},
        {"1", "", 0},
    };
    TestDir dir;
    for (const Case& c : cases) {
        dir.write("Model.dat", std::string("[Q]\nNumber=") + c.number + "\n" + c.entries);
        CModelFile file(dir.file("Model.dat"), "Q", "", "", 0);
        ASSERT_TRUE(file.appendEntry({300, 600, 300, 600, 9})) << c.number << " " << c.entries;
        EXPECT_EQ(file.rangeCount(), c.index + 1) << c.number << " " << c.entries;
        const auto shown = shownRanges(dir.file("Model.dat"), "Q");
        EXPECT_EQ(shown.size(), static_cast<std::size_t>(c.index + 1)) << c.number << " " << c.entries;
        EXPECT_EQ(shown.back(), (FreqRangeEntry{300, 600, 300, 600, 9})) << c.number << " " << c.entries;
        EXPECT_LE(linesLost(std::string("[Q]\nNumber=") + c.number + "\n" + c.entries, dir.read("Model.dat")), 2u);
        for (const auto& line : linesOf(c.entries)) {
            if (line.size() > 6) {
                EXPECT_NE(dir.read("Model.dat").find(line), std::string::npos) << line;
            }
        }
    }
}
