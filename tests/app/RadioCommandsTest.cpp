#include "RadioDocumentTest.h"
#include "model/MemoryMap.h"
#include "model/TestFreqRecord.h"
#include "settings/TextIds.h"
#include "sim/SimTransport.h"

namespace {

class RadioCommandsTest : public RadioDocumentTest {
protected:
    SessionContext context() { return SessionContext{ports, *settings_, prompt_, "sim", LinkTiming::fast(), {}}; }

    SimPortOpener ports{radio};
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
    store_->deletePersonality(0);
    ASSERT_NE(doc_->validate(), 0u);
    ASSERT_TRUE(commands->runRead(ctx));
    EXPECT_EQ(doc_->invalidValues().size(), 0u);  // they named the replaced codeplug's records
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

TEST_F(RadioCommandsTest, ReadThatDoesNotCompleteChangesNoRadioValue)
{
    // The radio is of the current model but on another band and firmware:
    // the session takes these over before its transfer starts.
    SimIdentity id = radio.identity();
    id.lowEdge = 13600000;
    id.highEdge = 17400000;
    id.firmwareVersion = "1.04.09";
    id.optionByte = 7;
    radio.setIdentity(id);
    struct Case {
        const char* name;
        const char* fault;     // "" none
        const char* password;  // the radio asks for it; the prompt cancels
        int message;
    };
    const Case cases[] = {
        {"block refused halfway", "silent-after:128", "", MsgId::kRadioReadFailed},
        {"password cancelled", "", "1234", 0},
        {"mode not answered", "silence:Ma", "", MsgId::kNoRadio},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        radio.clearFaults();
        if (*c.fault) radio.addFault(*SimFault::parse(c.fault));
        radio.setPassword(c.password);
        settings_->setSavedFreqRange("350-390");
        const ModelValues before = settings_->model();
        SessionContext ctx = context();
        const Outcome o = commands->runRead(ctx);
        EXPECT_FALSE(o.ok);
        EXPECT_EQ(o.message, c.message);
        EXPECT_EQ(settings_->freqRange(), before.freqRange);
        EXPECT_EQ(settings_->modelName(), before.modelName);
        EXPECT_EQ(settings_->model().bandFlags, before.bandFlags);
        EXPECT_EQ(settings_->firmwareVersion(), "1.04.07");
        EXPECT_EQ(settings_->savedFreqRange(), "350-390");
        EXPECT_NE(settings_->optionByte(), 7);
        EXPECT_EQ(observer_.replaced, 0);
    }
    // A read that completes keeps the radio's values.
    radio.clearFaults();
    radio.setPassword("");
    SessionContext ctx = context();
    ASSERT_TRUE(commands->runRead(ctx));
    EXPECT_EQ(settings_->freqRange(), "136-174");
    EXPECT_EQ(settings_->savedFreqRange(), "400-470");
    EXPECT_EQ(settings_->firmwareVersion(), "1.04.09");
}

TEST_F(RadioCommandsTest, BandOfARadioOfTheOtherModelIsComparedWithThatModelsRanges)
{
    // The program is on the second model; the radio is of the first model
    // and on a band the first model lists (136-174) but the second lacks.
    settings_->setModelId("QAV420");
    settings_->setModelName("QA-420");
    settings_->setFreqRange("350-390");
    doc_->ranges().load(*settings_);
    SimIdentity id = radio.identity();
    id.lowEdge = 13600000;
    id.highEdge = 17400000;
    radio.setIdentity(id);
    const std::string modelDat = read(dir_ + "Model.dat");
    SessionContext ctx = context();
    ASSERT_TRUE(commands->runRead(ctx));
    EXPECT_EQ(settings_->modelId(), "QAV410");
    EXPECT_TRUE(prompt_.asked.empty());  // no new-range question
    EXPECT_EQ(read(dir_ + "Model.dat"), modelDat);
    EXPECT_EQ(doc_->ranges().count(), 2);
    EXPECT_EQ(settings_->model().bandFlags, 129);
}

TEST_F(RadioCommandsTest, TuneDataWriteMakesTheRadioCurrentAndClosesTheEditors)
{
    SimIdentity id = radio.identity();
    id.modelName = "QA-410";
    id.firmwareVersion = "1.04.11";
    radio.setIdentity(id);
    CRadioLink link(ports, LinkTiming::fast());
    SessionContext ctx = context();
    const int closedBefore = observer_.closed;
    ASSERT_TRUE(commands->runWriteTuneData(link, ctx));
    EXPECT_GT(observer_.closed, closedBefore);
    EXPECT_EQ(observer_.replaced, 1);  // tree root and status bar
    EXPECT_EQ(settings_->firmwareVersion(), "1.04.11");
    // One mode-3 command to start and one mode-1 command to end.
    std::vector<std::uint32_t> modes;
    for (const SimCommand& cmd : radio.log())
        if (cmd.code == "Ma") modes.push_back(cmd.value);
    EXPECT_EQ(modes, (std::vector<std::uint32_t>{3, 1}));
}

TEST_F(RadioCommandsTest, WhatTheSessionLearnedIsTakenOverOnlyOnSuccess)
{
    // The radio answers on port 3 with a firmware of its own: a failed
    // session still makes port 3 the configured one, and nothing else.
    SimIdentity id = radio.identity();
    id.firmwareVersion = "1.04.12";
    radio.setIdentity(id);
    SimPortOpener onThree(radio, {"3"}, {"1"});
    struct Case {
        const char* name;
        bool fail;
        bool write;
    };
    for (const Case c : {Case{"read fails", true, false}, Case{"write fails", true, true},
                         Case{"write works", false, true}}) {
        SCOPED_TRACE(c.name);
        settings_->setComPort(1);
        settings_->setFirmwareVersion("1.04.07");
        radio.clearFaults();
        if (c.fail) radio.addFault(*SimFault::parse(c.write ? "refuse-block:254" : "refuse-block:256"));
        SessionContext ctx{onThree, *settings_, prompt_, "", LinkTiming::fast(), {}};
        const Outcome o = c.write ? commands->runWrite(ctx) : commands->runRead(ctx);
        EXPECT_EQ(o.ok, !c.fail);
        EXPECT_EQ(settings_->comPort(), 3);
        EXPECT_EQ(settings_->firmwareVersion(), c.fail ? "1.04.07" : "1.04.12");
    }
}

TEST_F(RadioCommandsTest, AdjustmentToARadioOfAnotherBandSwitchesTheDocumentToIt)
{
    SimIdentity id = radio.identity();
    id.lowEdge = 13600000;
    id.highEdge = 17400000;
    radio.setIdentity(id);
    ASSERT_EQ(settings_->freqRange(), "400-470");
    store_->testFreq.setU32(TestFreqField::pointRx(0), 0);  // not what any band's defaults hold
    CRadioLink link(ports, LinkTiming::fast());
    SessionContext ctx = context();
    ctx.current = SessionBaseline::of(*settings_);
    const TuningConnection tc = openTuningConnection(link, ctx, Proto::Mode::Tuning);
    ASSERT_TRUE(tc.result.outcome) << tc.result.outcome.message;
    EXPECT_TRUE(link.isOpen());
    EXPECT_TRUE(tc.rangeChanged);
    ASSERT_TRUE(commands->finishAdjustment(tc));
    EXPECT_EQ(settings_->freqRange(), "136-174");
    // The band's defaults: point 0 receives on the band's low edge + 0.15 MHz.
    EXPECT_EQ(store_->testFreq.u32(TestFreqField::pointRx(0)), 0x13615000u);
    EXPECT_TRUE(doc_->isModified());
    EXPECT_EQ(radio.currentMode(), Proto::Mode::Tuning);
}

TEST_F(RadioCommandsTest, AdjustmentInTheSameBandKeepsTheCodeplug)
{
    store_->testFreq.setU32(TestFreqField::pointRx(0), 0);
    CRadioLink link(ports, LinkTiming::fast());
    SessionContext ctx = context();
    ctx.current = SessionBaseline::of(*settings_);
    const TuningConnection tc = openTuningConnection(link, ctx, Proto::Mode::Tuning);
    ASSERT_TRUE(tc.result.outcome);
    EXPECT_FALSE(tc.rangeChanged);
    ASSERT_TRUE(commands->finishAdjustment(tc));
    EXPECT_EQ(store_->testFreq.u32(TestFreqField::pointRx(0)), 0u);
    EXPECT_FALSE(doc_->isModified());
}

TEST_F(RadioCommandsTest, KeptTuneDataReplacesTheStoresAndIsAChange)
{
    std::vector<std::uint8_t> tune(store_->tuneData.size(), 0x42);
    commands->keepTuneData(tune);
    EXPECT_TRUE(std::equal(tune.begin(), tune.end(), store_->tuneData.data()));
    EXPECT_TRUE(doc_->isModified());
    const std::vector<std::uint8_t> wrongSize(10, 0);
    commands->keepTuneData(wrongSize);
    EXPECT_EQ(store_->tuneData.data()[0], 0x42);
}
