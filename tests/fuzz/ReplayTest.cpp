// Feeds every kept input of every fuzz target to it: the seed corpus and
// the inputs that once broke a target (regressions/<target>/). Runs in the
// ordinary build, so a fault found by fuzzing stays fixed.
#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <vector>

void fuzzCheckFailed(const char* condition, const char* file, int line)
{
    ADD_FAILURE_AT(file, line) << "check failed: " << condition;
}

void PrintTo(const FuzzTarget& target, std::ostream* os) { *os << target.name; }

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> inputsOf(std::string_view target)
{
    std::vector<fs::path> files;
    for (const char* kind : {"corpus", "regressions"}) {
        const fs::path dir = fs::path(QAV_TESTS_DIR) / "fuzz" / kind / target;
        if (!fs::is_directory(dir)) continue;
        for (const auto& e : fs::directory_iterator(dir))
            if (e.is_regular_file()) files.push_back(e.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

class FuzzReplay : public ::testing::TestWithParam<FuzzTarget> {};

TEST_P(FuzzReplay, KeptInputsPass)
{
    const FuzzTarget target = GetParam();
    const auto files = inputsOf(target.name);
    EXPECT_FALSE(files.empty()) << "no seed inputs for " << target.name;
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        std::ifstream in(file, std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        EXPECT_EQ(target.entry(bytes.data(), bytes.size()), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzReplay, ::testing::ValuesIn(kFuzzTargets),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
