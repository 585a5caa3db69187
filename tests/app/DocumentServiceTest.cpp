#include "DocumentFixture.h"

#include "model/CodeplugFile.h"
#include "settings/TextIds.h"

#include <cstring>

TEST_F(DocumentTest, FirstNewAsksNothingLaterOnesAsk)
{
    EXPECT_TRUE(prompt_.asked.empty());  // the New of SetUp
    // Unmodified: message 800, whose Cancel changes nothing.
    prompt_.answer = false;
    const Outcome cancelled = doc_->newDocument();
    EXPECT_FALSE(cancelled.ok);
    EXPECT_EQ(cancelled.message, 0);
    EXPECT_EQ(prompt_.asked, std::vector<int>{MsgId::kNewConfirm});

    // Modified: the save question instead; Cancel keeps the edit, Discard
    // lets New replace it.
    store_->channels[0].record.setU8(17, 0x55);
    prompt_.saveChoice = SaveChoice::Cancel;
    EXPECT_FALSE(doc_->newDocument().ok);
    EXPECT_EQ(store_->channels[0].record.u8(17), 0x55);
    prompt_.saveChoice = SaveChoice::Discard;
    EXPECT_TRUE(doc_->newDocument());
    EXPECT_EQ(prompt_.asked, (std::vector<int>{MsgId::kNewConfirm, MsgId::kReplaceSaveQuestion,
                                               MsgId::kReplaceSaveQuestion}));
    EXPECT_EQ(store_->channels[0].record.u8(17), 0x22);
    EXPECT_FALSE(doc_->isModified());
}

TEST_F(DocumentTest, NewWithoutDefaultFileKeepsFactoryDefaults)
{
    EXPECT_EQ(doc_->currentPath(), "");
    EXPECT_EQ(doc_->firmwareVersion(), "1.04.07");
    EXPECT_EQ(store_->channels.size(), 16u);
    EXPECT_EQ(store_->channels[0].record.u32(4), 0x40032500u);
    EXPECT_EQ(store_->radioInfo.u8(12), 2);  // band flags of 400-470 from Model.dat
    EXPECT_GE(observer_.counts, 1);
}

TEST_F(DocumentTest, NewReadsTheDefaultFileAndStampsIt)
{
    ModelValues m = settings_->model();
    CCodeplugData source;
    source.loadDefaults(m);
    source.channels[0].record.setU8(17, 0x31);
    source.pack();
    CCodeplugFile f;
    ASSERT_TRUE(f.setHeader(makeCodeplugHeader(m, "1.04.07")));
    ASSERT_TRUE(f.write(dir_ + "QAV410400-470DefaultSet.dat", "", source.image()));
    prompt_.answer = true;
    ASSERT_TRUE(doc_->newDocument());
    EXPECT_EQ(store_->channels[0].record.u8(17), 0x31);
    const std::uint8_t stamp[8] = {9, 8, 7, 6, 5, 26, 20, 0};
    EXPECT_EQ(std::memcmp(&store_->image()[32], stamp, 8), 0);
    EXPECT_EQ(std::memcmp(store_->radioInfo.bytes(16, 8).data(), stamp, 8), 0);
}

TEST_F(DocumentTest, OpenTakesTheFilesModelAndCodeplug)
{
    const std::string path = makeCodeplug("a.qav", "1.03.00");
    ASSERT_TRUE(doc_->open(path));
    EXPECT_EQ(doc_->currentPath(), path);
    EXPECT_EQ(settings_->modelName(), "QA-410B");
    EXPECT_EQ(settings_->freqRange(), "136-174");
    EXPECT_EQ(settings_->signal(), 3);
    EXPECT_EQ(settings_->model().bandFlags, 129);
    EXPECT_EQ(doc_->firmwareVersion(), "1.03.00");
    EXPECT_EQ(store_->channels[0].record.u32(4), 0x13632500u);
    EXPECT_EQ(doc_->recentFiles().at(0), path);
    EXPECT_EQ(observer_.replaced, 1);
}

// Every refusal leaves model, firmware text, codeplug and current path as
// they were.
TEST_F(DocumentTest, RefusedOpensChangeNothing)
{
    ModelValues other = settings_->model();
    other.modelId = "QAV999";
    ModelValues newer = settings_->model();
    newer.modelName = "NEWER";

    struct Case { const char* name; std::string path; int message; bool headerRead; };
    std::vector<Case> cases = {
        {"missing file", file("missing.qav"), MsgId::kOpenUnreadable, false},
        {"not accepted", makeFile("other.qav", other, "1.04.07"), MsgId::kModelNotAccepted, true},
        {"firmware 1.05", makeFile("new.qav", newer, "1.05.00"), MsgId::kOpenTooNew, true},
        {"firmware 2.00", makeFile("new2.qav", newer, "2.00.00"), MsgId::kOpenTooNew, true},
    };
    // A header followed by a broken image block.
    const std::string good = makeCodeplug("good.qav");
    const std::string bytes = read(good);
    write("files/cut.qav", bytes.substr(0, bytes.size() - 10));
    cases.push_back({"image cut short", file("cut.qav"), MsgId::kOpenUnreadable, true});
    write("files/garbage.qav", "QAV this is not a header at all");
    cases.push_back({"garbage", file("garbage.qav"), MsgId::kOpenUnreadable, false});

    ASSERT_TRUE(doc_->saveAs(file("current.qav"), "mine"));
    for (const Case& c : cases) {
        ASSERT_TRUE(doc_->open(file("current.qav"))) << c.name;
        const ModelValues before = settings_->model();
        const CCodeplugData::Image image = store_->image();
        const CodeplugHeader header = doc_->lastHeader();
        store_->channels[2].record.setU8(17, 0x77);  // an edit not yet saved

        const Outcome r = doc_->open(c.path);
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_EQ(r.message, c.message) << c.name;
        // Save still writes where the codeplug it holds came from.
        EXPECT_EQ(doc_->currentPath(), file("current.qav")) << c.name;
        EXPECT_EQ(settings_->modelId(), before.modelId) << c.name;
        EXPECT_EQ(settings_->modelName(), before.modelName) << c.name;
        EXPECT_EQ(settings_->freqRange(), before.freqRange) << c.name;
        EXPECT_EQ(doc_->firmwareVersion(), "1.04.07") << c.name;
        EXPECT_EQ(store_->image(), image) << c.name;
        EXPECT_EQ(store_->channels[2].record.u8(17), 0x77) << c.name;
        EXPECT_EQ(doc_->lastHeader() != header, c.headerRead) << c.name;
    }
}

TEST_F(DocumentTest, FirmwarePrefixesThatPass)
{
    ModelValues m = settings_->model();
    for (const char* fw : {"1.04.99", "1.03.00", "", "1.04"}) {
        EXPECT_TRUE(doc_->open(makeFile("v.qav", m, fw))) << fw;
    }
}

TEST_F(DocumentTest, OldFirmwareClearsTheDosByte)
{
    ModelValues m = settings_->model();
    struct Case { const char* firmware; std::uint8_t dos; };
    for (const Case c : {Case{"1.01.00", 0}, Case{"1.02.00", 0xAA}, Case{"1.00.09", 0}}) {
        const std::string path = makeFile("dos.qav", m, c.firmware, "", static_cast<std::uint8_t>(0xAA - 260 % 256));
        ASSERT_TRUE(doc_->open(path)) << c.firmware;
        EXPECT_EQ(store_->image()[260], c.dos) << c.firmware;
        EXPECT_EQ(store_->dos.u8(0), c.dos) << c.firmware;
    }
}

// A short image block is accepted; the bytes it lacks are those New makes
// for the file's model (its default file when there is one, the factory
// defaults otherwise), whatever codeplug was open before.
TEST_F(DocumentTest, ShortImageBlockFillsTheRestFromTheModelsNewCodeplug)
{
    ModelValues m = settings_->model();
    std::string bytes = read(makeFile("short.qav", m, "1.04.07", "", 0x10));
    const std::size_t l3 = 139;  // no information text
    bytes[l3] = 100;
    bytes[l3 + 1] = 0;
    bytes.resize(143 + 100);
    write("files/short.qav", bytes);

    for (const bool withDefaultFile : {false, true}) {
        CCodeplugData expected;
        expected.setStampSource([] { return ProgrammingStamp{9, 8, 7, 6, 5, 26, 20, 0}; });
        expected.loadDefaults(settings_->model());
        if (withDefaultFile) expected.channels[3].record.setU8(17, 0x42);
        expected.pack();
        if (withDefaultFile) {
            CCodeplugFile f;
            ASSERT_TRUE(f.setHeader(makeCodeplugHeader(m, "1.04.07")));
            ASSERT_TRUE(f.write(dir_ + "QAV410400-470DefaultSet.dat", "", expected.image()));
        }
        std::vector<CCodeplugData::Image> seen;
        for (const std::uint8_t previous : {0xEE, 0x00}) {
            store_->image().fill(previous);
            ASSERT_TRUE(doc_->open(file("short.qav")));
            EXPECT_EQ(store_->image()[99], static_cast<std::uint8_t>(0x10 + 99));
            seen.push_back(store_->image());
        }
        EXPECT_EQ(seen[0], seen[1]) << withDefaultFile;  // the previous image plays no part
        EXPECT_TRUE(std::equal(seen[0].begin() + 100, seen[0].end(), expected.image().begin() + 100)) << withDefaultFile;
    }
}

TEST_F(DocumentTest, OpenRecentRows)
{
    const std::string a = makeCodeplug("a.qav");
    const std::string b = makeCodeplug("b.qav");
    ASSERT_TRUE(doc_->open(a));
    ASSERT_TRUE(doc_->open(b));
    ASSERT_EQ(doc_->recentFiles().entries(), (std::vector<std::string>{b, a}));

    // Success leaves the list as it is.
    ASSERT_TRUE(doc_->openRecent(1));
    EXPECT_EQ(doc_->currentPath(), a);
    EXPECT_EQ(doc_->recentFiles().entries(), (std::vector<std::string>{b, a}));

    // A newer firmware: 1140, the entry stays.
    ModelValues m = settings_->model();
    makeFile("a.qav", m, "1.05.00");
    Outcome r = doc_->openRecent(1);
    EXPECT_EQ(r.message, MsgId::kRecentTooNew);
    EXPECT_EQ(doc_->currentPath(), a);
    EXPECT_EQ(doc_->recentFiles().size(), 2u);

    // An unreadable header: 802 and the entry goes.
    ::remove(b.c_str());
    r = doc_->openRecent(0);
    EXPECT_EQ(r.message, MsgId::kRecentUnreadable);
    EXPECT_EQ(doc_->currentPath(), a);  // still the codeplug of a
    EXPECT_EQ(doc_->recentFiles().entries(), (std::vector<std::string>{a}));

    // The list lives in Settings.ini, at most four entries, newest first.
    for (const char* n : {"1.qav", "2.qav", "3.qav", "4.qav", "5.qav"}) ASSERT_TRUE(doc_->open(makeCodeplug(n)));
    RecentFiles reread(dir_ + "Settings.ini", "");
    EXPECT_EQ(reread.entries(), (std::vector<std::string>{file("5.qav"), file("4.qav"), file("3.qav"), file("2.qav")}));
    EXPECT_EQ(settings_->modelId(), "QAV410");  // other settings untouched
}

TEST_F(DocumentTest, SaveKeepsTheFilesInformationText)
{
    const std::string path = makeCodeplug("keep.qav");
    ASSERT_TRUE(doc_->open(path));
    store_->channels[1].record.setU8(17, 0x33);
    ASSERT_TRUE(doc_->save());
    const std::string bytes = read(path);
    EXPECT_EQ(bytes.substr(127, infoLength(bytes)), "other radio");
    CCodeplugData back;
    std::size_t count = 0;
    ASSERT_TRUE(CCodeplugFile::readImage(path, back.image(), count));
    back.unpack();
    EXPECT_EQ(back.channels[1].record.u8(17), 0x33);
    CodeplugHeader h{};
    ASSERT_TRUE(CCodeplugFile::readHeader(path, h));
    EXPECT_EQ(readHeaderFields(h).modelName, "QA-410B");
    EXPECT_EQ(readHeaderFields(h).bandFlags, 129);
}

TEST_F(DocumentTest, SaveWithoutPathIsSaveAs)
{
    prompt_.target = SaveTarget{file("asked.qav"), "typed text"};
    ASSERT_TRUE(doc_->save());
    EXPECT_EQ(prompt_.saveAsked, 1);
    EXPECT_EQ(doc_->currentPath(), file("asked.qav"));
    const std::string bytes = read(file("asked.qav"));
    EXPECT_EQ(bytes.substr(127, infoLength(bytes)), "typed text");
    EXPECT_EQ(doc_->recentFiles().at(0), file("asked.qav"));

    // A current path whose file disappeared asks again; Cancel writes nothing.
    ::remove(file("asked.qav").c_str());
    prompt_.target.reset();
    const Outcome r = doc_->save();
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, 0);
    EXPECT_EQ(prompt_.saveAsked, 2);
}

TEST_F(DocumentTest, SaveAsWithEmptyTextKeepsAnExistingFilesTextAndWritesNoneToANewOne)
{
    const std::string existing = makeCodeplug("existing.qav");
    ASSERT_TRUE(doc_->saveAs(existing, ""));
    std::string bytes = read(existing);
    EXPECT_EQ(bytes.substr(127, infoLength(bytes)), "other radio");
    ASSERT_TRUE(doc_->saveAs(file("fresh.qav"), ""));
    bytes = read(file("fresh.qav"));
    EXPECT_EQ(infoLength(bytes), 0u);
    EXPECT_EQ(bytes.size(), 8335u);
}

TEST_F(DocumentTest, SaveAsFailureKeepsThePreviousPath)
{
    for (const std::string& previous : {std::string(), file("before.qav")}) {
        if (!previous.empty()) {
            ASSERT_TRUE(doc_->saveAs(previous, ""));
        }
        const auto recent = doc_->recentFiles().entries();
        const std::string path = dir_ + "Settings.ini/x.qav";  // a folder that cannot exist
        const Outcome r = doc_->saveAs(path, "");
        EXPECT_EQ(r.message, MsgId::kSaveFailed);
        EXPECT_EQ(doc_->currentPath(), previous);
        EXPECT_EQ(doc_->recentFiles().entries(), recent);
    }
}

TEST_F(DocumentTest, InvalidValuesRefuseEverySave)
{
    const std::string path = makeCodeplug("guarded.qav");
    ASSERT_TRUE(doc_->open(path));
    const std::string before = read(path);
    store_->deletePersonality(0);
    for (int which = 0; which < 2; ++which) {
        const Outcome r = which == 0 ? doc_->save() : doc_->saveAs(file("other.qav"), "");
        EXPECT_EQ(r.message, MsgId::kInvalidValues);
    }
    EXPECT_EQ(read(path), before);
    EXPECT_FALSE(std::ifstream(file("other.qav")).good());
    EXPECT_EQ(observer_.shown, 2);
    EXPECT_EQ(doc_->invalidValues().size(), 16u);  // every channel names the lost personality
}

TEST_F(DocumentTest, ReplacingTheCodeplugDropsItsInvalidValues)
{
    // The entries name records of the codeplug they were found in; after
    // Open or New they would point at records that are not there.
    const std::string path = makeCodeplug("fresh.qav");
    prompt_.saveChoice = SaveChoice::Discard;  // New asks first
    for (const bool viaOpen : {true, false}) {
        store_->deletePersonality(0);
        ASSERT_NE(doc_->validate(), 0u);
        ASSERT_TRUE(viaOpen ? doc_->open(path) : doc_->newDocument()) << viaOpen;
        EXPECT_EQ(doc_->invalidValues().size(), 0u) << viaOpen;
    }
}

TEST_F(DocumentTest, SavedFileRoundTripsThroughOpen)
{
    ASSERT_TRUE(doc_->saveAs(file("one.qav"), "info"));
    ASSERT_TRUE(doc_->open(file("one.qav")));
    ASSERT_TRUE(doc_->saveAs(file("two.qav"), "info"));
    ASSERT_TRUE(doc_->open(file("two.qav")));
    ASSERT_TRUE(doc_->saveAs(file("three.qav"), "info"));
    EXPECT_EQ(read(file("two.qav")), read(file("three.qav")));
}

TEST_F(DocumentTest, ModelResetFollowsTheNewModelAndRange)
{
    store_->deleteScanList(0);
    EXPECT_NE(doc_->validate(), 0u);
    settings_->setModelId("QAV420");
    settings_->setModelName("QA-420");
    settings_->setFreqRange("350-390");
    ASSERT_TRUE(doc_->resetForModel());
    EXPECT_TRUE(prompt_.asked.empty());  // the reset itself asks nothing
    EXPECT_FALSE(doc_->invalidValues().hasEntries());
    EXPECT_EQ(store_->channels[0].record.u32(4), 0x35032500u);
    EXPECT_EQ(store_->radioInfo.u8(12), 5);
    EXPECT_EQ(store_->radioInfo.text(0, 12), "QA-420");
}
