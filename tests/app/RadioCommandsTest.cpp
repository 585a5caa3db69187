#include "app/RadioCommands.h"
#include "DocumentFixture.h"
#include "model/MemoryMap.h"
#include "settings/TextIds.h"
#include "sim/SimTransport.h"

namespace {

class RadioCommandsTest : public DocumentTest {
protected:
    void SetUp() override
    {
        DocumentTest::SetUp();
        SimIdentity id;
        id.productId = "QAV410";
        id.modelName = "QA-410";
        id.lowEdge = 40000000;
        id.highEdge = 47000000;
        id.bandFlags = 2;
        radio.setIdentity(id);
        SimRadio::Memory mem;
        for (std::size_t i = 0; i < mem.size(); ++i) mem[i] = static_cast<std::uint8_t>(i * 3 + 1);
        radio.setMemory(mem);
        commands = std::make_unique<RadioCommands>(*doc_, *store_, *settings_, prompt_, observer_);
    }
    SessionContext context() { return SessionContext{ports, *settings_, prompt_, "sim", LinkTiming::fast(), {}}; }

    SimRadio radio;
    SimPortOpener ports{radio};
    std::unique_ptr<RadioCommands> commands;
};

}  // namespace

TEST_F(RadioCommandsTest, ReadReplacesTheCodeplugOnlyWhenEveryBlockArrived)
{
    const auto before = store_->image();
    radio.addFault(*SimFault::parse("silent-after:255"));
    SessionContext ctx = context();
    Outcome failed = commands->runRead(ctx);
    EXPECT_EQ(failed.message, MsgId::kRadioReadFailed);
    EXPECT_EQ(store_->image(), before);
    EXPECT_EQ(observer_.replaced, 0);

    radio.clearFaults();
    ASSERT_TRUE(commands->runRead(ctx));
    const auto mem = radio.memory();
    EXPECT_TRUE(std::equal(mem.begin(), mem.end(), store_->image().begin()));
    EXPECT_EQ(doc_->currentPath(), "");
    EXPECT_EQ(observer_.replaced, 1);
    EXPECT_TRUE(prompt_.asked.empty());  // 400-470 is in the model's list: no new-range question
}

TEST_F(RadioCommandsTest, WriteSendsThePackedCodeplugAndTakesTheStampBack)
{
    SessionContext ctx = context();
    ASSERT_TRUE(commands->runWrite(ctx));
    EXPECT_GE(observer_.committed, 1);
    const auto mem = radio.memory();
    const auto& img = store_->image();
    for (std::uint32_t a = 254; a < 5115; ++a) ASSERT_EQ(mem[a], img[a]) << a;
    EXPECT_TRUE(std::equal(img.begin() + 32, img.begin() + 40, mem.begin() + 32));
    // The radio information section now holds the stamp that was written.
    EXPECT_TRUE(std::equal(mem.begin() + 32, mem.begin() + 40, store_->radioInfo.data() + 16));
}

TEST_F(RadioCommandsTest, WriteTuneDataSendsTheTuneDataSection)
{
    for (std::size_t i = 0; i < store_->tuneData.size(); ++i) store_->tuneData.data()[i] = static_cast<std::uint8_t>(i ^ 0x5A);
    CRadioLink link(ports, LinkTiming::fast());
    SessionContext ctx = context();
    Outcome r = commands->runWriteTuneData(link, ctx);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.message, MsgId::kTuneDataWritten);
    const auto mem = radio.memory();
    EXPECT_TRUE(std::equal(mem.begin() + 5667, mem.begin() + 6199, store_->tuneData.data()));
    EXPECT_EQ(mem[5666], static_cast<std::uint8_t>(5666 * 3 + 1));
    EXPECT_EQ(mem[6199], static_cast<std::uint8_t>(6199 * 3 + 1));
    EXPECT_FALSE(link.isOpen());
}
