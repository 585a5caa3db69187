#include "RadioDocumentTest.h"

#include "app/BackupStore.h"
#include "model/CodeplugFile.h"
#include "model/RadioInfoRecord.h"
#include "settings/ProgramDirectory.h"
#include "sim/SimTransport.h"

#include <filesystem>
#include <set>
#include <thread>

namespace {

class BackupTest : public RadioDocumentTest {
protected:
    SessionContext context() { return SessionContext{ports, *settings_, prompt_, "sim", LinkTiming::fast(), {}}; }
    std::string backupDir() const { return withTrailingSlash(dir_ + "user/backups"); }

    SimPortOpener ports{radio};
};

ImageBytes imageOf(const std::string& path)
{
    ImageBytes image{};
    std::size_t count = 0;
    EXPECT_TRUE(CCodeplugFile::readImage(path, image, count));
    EXPECT_EQ(count, image.size());
    return image;
}

}  // namespace

TEST_F(BackupTest, ReadsAndWritesKeepTheirImages)
{
    SessionContext ctx = context();
    ASSERT_TRUE(commands->runRead(ctx));
    ASSERT_TRUE(commands->lastBackup().ok) << commands->lastBackup().reason;
    const auto mem = radio.memory();
    EXPECT_TRUE(std::equal(mem.begin(), mem.end(), imageOf(commands->lastBackup().path).begin()));

    ASSERT_TRUE(doc_->resetForModel());  // the pattern the radio held is no valid codeplug to write back
    const Outcome wrote = commands->runWrite(ctx);
    ASSERT_TRUE(wrote) << wrote.message;
    ASSERT_TRUE(commands->lastBackup().ok);
    const ImageBytes sent = imageOf(commands->lastBackup().path);
    // What was sent: the packed codeplug (the write then puts the new
    // programming stamp, bytes 32-39, into the program's image).
    EXPECT_TRUE(std::equal(sent.begin() + 40, sent.end(), store_->image().begin() + 40));
    EXPECT_TRUE(std::equal(sent.begin(), sent.begin() + 32, store_->image().begin()));

    const std::vector<BackupEntry> kept = root_->backups().list();
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].kind, "write");  // newest first
    EXPECT_EQ(kept[1].kind, "read");
    EXPECT_EQ(kept[0].path.rfind(backupDir(), 0), 0u);
}

TEST_F(BackupTest, AFailedBackupLeavesTheTransferAlone)
{
    // Where the folder should be there is a file: nothing can be kept.
    std::filesystem::create_directories(dir_ + "user");
    std::ofstream(dir_ + "user/backups") << "in the way";
    SessionContext ctx = context();
    ASSERT_TRUE(commands->runRead(ctx));
    EXPECT_TRUE(commands->lastBackup().attempted);
    EXPECT_FALSE(commands->lastBackup().ok);
    EXPECT_FALSE(commands->lastBackup().reason.empty());
    const auto mem = radio.memory();
    EXPECT_TRUE(std::equal(mem.begin(), mem.end(), store_->image().begin()));  // the read still counts
}

TEST(BackupStore, KeepsTheNewestOfEachRadioAndNamesThemByTimeAndSerial)
{
    const std::string dir = ::testing::TempDir() + "backups-" + std::to_string(::getpid()) + "/";
    std::filesystem::remove_all(dir);
    std::time_t clock = 1'765'000'000;
    BackupStore store(dir, 3, [&clock] { return clock++; });
    auto imageFor = [](const char* serial) {
        ImageBytes image{};
        image.fill(0xFF);
        const std::size_t at = mapEntry(Section::RadioInfo).image + RadioInfoField::Serial;
        for (std::size_t i = 0; serial[i]; ++i) image[at + i] = static_cast<std::uint8_t>(serial[i]);
        return image;
    };
    struct Case {
        const char* serial;
        const char* expected;
    };
    const Case serials[] = {{"SN100", "SN100"}, {"A/B C", "A_B_C"}, {"----", "unknown"}, {"", "unknown"}};
    for (const Case& c : serials) EXPECT_EQ(imageSerial(imageFor(c.serial)), c.expected) << c.serial;

    CodeplugHeader header{};
    header[0] = 0x58, header[1] = 0x48, header[2] = 0x10, header[3] = 0x10;
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(store.keep("read", header, imageFor("SN100")).ok);
    ASSERT_TRUE(store.keep("write", header, imageFor("SN200")).ok);
    const std::vector<BackupEntry> all = store.list();
    ASSERT_EQ(all.size(), 4u);  // three of SN100 (the limit), one of SN200
    EXPECT_EQ(all[0].serial, "SN200");
    EXPECT_EQ(all[0].kind, "write");
    for (std::size_t i = 1; i < 4; ++i) EXPECT_EQ(all[i].serial, "SN100");
    EXPECT_GT(all[1].path, all[3].path);  // newest first

    // Two in the same second both stay.
    clock = 1'765'100'000;
    BackupStore same(dir, 3, [] { return std::time_t{1'765'200'000}; });
    const BackupResult a = same.keep("read", header, imageFor("SN300"));
    const BackupResult b = same.keep("read", header, imageFor("SN300"));
    ASSERT_TRUE(a.ok && b.ok);
    EXPECT_NE(a.path, b.path);
    EXPECT_EQ(same.list().front().path, b.path);

    // Radios with the same (blank) serial number read at once, each session
    // with its own store, in the same second: none of the backups is lost.
    std::filesystem::remove_all(dir);
#ifdef __EMSCRIPTEN__
    return;  // the WebAssembly build has one thread
#endif
    std::vector<std::thread> threads;
    std::vector<BackupResult> results(8);
    for (std::size_t i = 0; i < results.size(); ++i)
        threads.emplace_back([&, i] {
            BackupStore own(dir, 50, [] { return std::time_t{1'765'300'000}; });
            ImageBytes image = imageFor("");
            image[300] = static_cast<std::uint8_t>(i);
            results[i] = own.keep("read", header, image);
        });
    for (std::thread& t : threads) t.join();
    std::set<std::string> paths;
    for (const BackupResult& r : results) {
        EXPECT_TRUE(r.ok) << r.reason;
        paths.insert(r.path);
    }
    EXPECT_EQ(paths.size(), results.size());
    EXPECT_EQ(same.list().size(), results.size());
    std::filesystem::remove_all(dir);
}
