// The recent-file list lives in the untrusted Settings.ini: damaged files
// and hostile file names must neither crash it nor cost the file its other
// settings.
#include "MutationKit.h"

#include "app/RecentFiles.h"
#include "settings/FileIO.h"
#include "settings/ProfileFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include "TestSupport.h"

namespace {

std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::size_t linesLost(const std::string& before, const std::string& after)
{
    auto lines = [](const std::string& text) {
        std::multiset<std::string> out;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            out.insert(line);
        }
        return out;
    };
    auto left = lines(after);
    std::size_t lost = 0;
    for (const auto& line : lines(before)) {
        auto it = left.find(line);
        if (it == left.end()) ++lost;
        else left.erase(it);
    }
    return lost;
}

class RecentFilesMutation : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string tmpl = ::testing::TempDir() + "recentXXXXXX";
        ASSERT_NE(testsupport::makeTempDir(tmpl.data()), nullptr);
        path_ = tmpl + "/Settings.ini";
        dir_ = tmpl;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string dir_, path_;
};

}  // namespace

TEST_F(RecentFilesMutation, DamagedListsAndHostileNames)
{
    const std::string valid = "[Setting]\nLanguage=0\nModelID=QAV410\n\n[Recent File List]\nFile1=/a/one.qav\n"
                              "File2=/a/two.qav\nFile3=\nFile4=/a/one.qav\n";
    Mutator m(4711);
    for (int i = 0; i < scaled(150); ++i) {
        const std::string text = m.mutate(valid, 4);
        std::ofstream(path_, std::ios::binary) << text;
        RecentFiles recent(path_, path_);
        EXPECT_LE(recent.size(), RecentFiles::kCapacity);
        const std::string name = m.chance(50) ? "/files/new.qav" : m.mutate("/files/new.qav", 3);
        recent.add(name);
        const std::string after = slurp(path_);
        if (!recent.lastError().empty()) {
            // A name that cannot be a line of the file is not stored; the
            // rest of the file stays.
            EXPECT_LE(linesLost(text, after), RecentFiles::kCapacity) << "iteration " << i;
            continue;
        }
        EXPECT_LE(linesLost(text, after), RecentFiles::kCapacity) << "iteration " << i;
        RecentFiles back(path_, path_);
        // Blanks around a name and one pair of outer quotes are not kept by
        // the file format, and a name is read back cut to the buffer size.
        const bool plain = !name.empty() && name.size() < ProfileBuffer::kLong - 1 && std::string(" \t\"'").find(name.front()) == std::string::npos &&
                           name.back() != ' ' && name.back() != '\t';
        if (plain) {
            EXPECT_TRUE(back.at(0) == name) << "iteration " << i;
        }
        recent.remove(m.below(5));
    }
}

// A settings file that cannot be read is not replaced by the list alone.
TEST_F(RecentFilesMutation, UnreadableSettingsAreNotReplaced)
{
    const std::string huge = "[Setting]\nLanguage=1\n;" + std::string(kMaxTextFileBytes, 'x') + "\n";
    std::ofstream(path_, std::ios::binary) << huge;
    RecentFiles recent(path_, path_);
    recent.add("/files/a.qav");
    EXPECT_FALSE(recent.lastError().empty());
    EXPECT_EQ(std::filesystem::file_size(path_), huge.size());
}
