// Golden outputs: `qav new --factory`, `qav repack`, `qav dump` and
// `qav dump --json` over a fixed set of codeplugs must stay byte for byte
// what tests/golden holds, so a change to the record tables, the memory map
// or the factory values cannot move a byte unnoticed.
//
// The program directory is tests/golden/home (frozen copies of the language
// file, Settings.ini and Model.dat), the clock is pinned by
// SOURCE_DATE_EPOCH, and the temporary folder's path is cut out of the
// outputs. QAV_UPDATE_GOLDEN=1 rewrites the golden files instead of
// comparing (then review the diff before committing).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "TestSupport.h"

#include "cli/QavTool.h"
#include "model/CCodeplugData.h"
#include "model/CodeplugFile.h"

namespace {

const std::string kGolden = QAV_TESTS_DIR "/golden/";

// The codeplugs fed to the dumps and to unpack and pack: the factory
// codeplug made below, an image of all 0xFF, one with every byte
// pseudo-random, and one with hand-picked edge values (17 channels, three
// personalities, a PTT-ID type above 3, an empty receive frequency, CDCSS
// and non-standard tones, two two-tone systems, one out of range, and two
// calls). `repack` refuses the blank and random ones (their values are
// invalid), so only the other two go through it as well.
struct Input {
    const char* name;
    bool repacks;
};
const Input kInputs[] = {{"factory", true}, {"blank", false}, {"random", false}, {"edges", true}};

std::string slurp(const std::string& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void spit(const std::string& p, const std::string& bytes)
{
    std::ofstream(p, std::ios::binary) << bytes;
}

class GoldenOutputsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string tmpl = ::testing::TempDir() + "qavgoldenXXXXXX";
        ASSERT_NE(testsupport::makeTempDir(tmpl.data()), nullptr);
        dir_ = tmpl;
        std::error_code ec;
        std::filesystem::copy(kGolden + "home", dir_, ec);
        ASSERT_FALSE(ec) << ec.message();
        testsupport::setEnv("SOURCE_DATE_EPOCH", "1700000000");
        update_ = std::getenv("QAV_UPDATE_GOLDEN") != nullptr;
    }
    void TearDown() override
    {
        testsupport::unsetEnv("SOURCE_DATE_EPOCH");
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

    std::string path(const std::string& name) const { return dir_ + "/" + name; }

    // Runs qav and gives its standard output with the temporary folder cut out.
    std::string qav(const std::vector<std::string>& args)
    {
        std::ostringstream out, err;
        EXPECT_EQ(runQav(args, out, err, dir_), 0) << err.str();
        std::string text = out.str();
        // JSON doubles the backslashes of a Windows path.
        std::string escaped;
        for (char c : dir_ + "/") escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
        for (const std::string& prefix : {dir_ + "/", escaped})
            for (auto at = text.find(prefix); at != std::string::npos; at = text.find(prefix, at))
                text.erase(at, prefix.size());
        return text;
    }

    void expectGolden(const std::string& name, const std::string& actual)
    {
        if (update_) {
            spit(kGolden + name, actual);
            return;
        }
        const std::string expected = slurp(kGolden + name);
        ASSERT_FALSE(expected.empty()) << "missing golden file " << name;
        if (expected == actual) return;
        std::size_t at = 0;
        while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
        ADD_FAILURE() << name << " differs from its golden copy at byte " << at << " (sizes "
                      << expected.size() << " and " << actual.size() << ")";
    }

    std::string dir_;
    bool update_ = false;
};

TEST_F(GoldenOutputsTest, FactoryCodeplugIsUnchanged)
{
    qav({"new", "--factory", "-o", path("new.qav")});
    expectGolden("factory.qav", slurp(path("new.qav")));
}

TEST_F(GoldenOutputsTest, RepackAndDumpsAreUnchanged)
{
    for (const Input& input : kInputs) {
        const std::string name = input.name;
        SCOPED_TRACE(name);
        const std::string in = path(name + ".qav");
        spit(in, slurp(kGolden + name + ".qav"));
        if (input.repacks) {
            qav({"repack", in, "-o", path("out.qav")});
            expectGolden(name + ".repack.qav", slurp(path("out.qav")));
        }
        // Unpack then pack, without the validation that Save runs first.
        CCodeplugData store;
        std::size_t count = 0;
        ASSERT_TRUE(CCodeplugFile::readImage(in, store.image(), count));
        store.unpack();
        store.pack();
        expectGolden(name + ".packed.bin", std::string(store.image().begin(), store.image().end()));
        expectGolden(name + ".dump.txt", qav({"dump", in}));
        expectGolden(name + ".dump.json", qav({"dump", in, "--json"}));
    }
}

}  // namespace
