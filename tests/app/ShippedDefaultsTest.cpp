#include "DocumentFixture.h"

#include <filesystem>

// Every default codeplug the build ships is in the form the program saves:
// opened and saved again, it is the same file byte for byte (a default that
// changed on its first save would show as modified data in a diff).
TEST_F(DocumentTest, ShippedDefaultCodeplugsSurviveOpenAndSaveUnchanged)
{
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "the WebAssembly build makes no default codeplugs (the native qav does)";
#endif
    write("Model.dat", read(QAV_DATA_DIR "/Model.dat"));  // the band flags the shipped files carry
    std::vector<std::filesystem::path> shipped;
    for (const auto& entry : std::filesystem::directory_iterator(QAV_BIN_DIR)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 14 && name.ends_with("DefaultSet.dat")) shipped.push_back(entry.path());
    }
    ASSERT_FALSE(shipped.empty()) << "no default codeplug in " << QAV_BIN_DIR;
    for (const auto& source : shipped) {
        const std::string original = read(source.string());
        const std::string copy = file(source.filename().string());
        write("files/" + source.filename().string(), original);
        ASSERT_TRUE(doc_->open(copy)) << source;
        ASSERT_TRUE(doc_->save()) << source;
        EXPECT_TRUE(read(copy) == original) << source << " changed on its first save";
    }
}
