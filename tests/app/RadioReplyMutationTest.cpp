// Read from Radio and Write to Radio over a cable that damages replies:
// a read that fails never reaches the codeplug and puts the radio values
// back; one that succeeds brings exactly the radio's memory.
#include "RadioDocumentTest.h"
#include "link/DamagingTransport.h"

#include "settings/TextIds.h"

namespace {

constexpr LinkTiming kNoWait{0, 0, 0, 0, 10, 3};

class RadioReplyMutation : public RadioDocumentTest {};

}  // namespace

TEST_F(RadioReplyMutation, FailedReadsNeverReachTheCodeplug)
{
    int ok = 0, failed = 0;
    for (std::uint32_t seed = 1; seed <= 30u * static_cast<unsigned>(scaled(1)); ++seed) {
        Mutator m(seed);
        DamagingOpener opener(radio, m, 1 + seed % 4);
        SessionContext ctx{opener, *settings_, prompt_, "1", kNoWait, {}};
        store_->channels[0].record.setU8(17, static_cast<std::uint8_t>(seed));  // an edit not yet saved
        const auto image = store_->image();
        const ModelValues model = settings_->model();
        const int replaced = observer_.replaced;

        const Outcome r = commands->runRead(ctx);
        const std::string what = "seed " + std::to_string(seed);
        if (r.ok) {
            ++ok;
            const auto mem = radio.memory();
            EXPECT_TRUE(std::equal(mem.begin(), mem.end(), store_->image().begin())) << what;
            EXPECT_EQ(observer_.replaced, replaced + 1) << what;
        } else {
            ++failed;
            EXPECT_NE(r.message, 0) << what;
            EXPECT_EQ(store_->image(), image) << what;
            EXPECT_EQ(store_->channels[0].record.u8(17), static_cast<std::uint8_t>(seed)) << what;
            EXPECT_EQ(observer_.replaced, replaced) << what;
            EXPECT_EQ(settings_->modelId(), model.modelId) << what;
            EXPECT_EQ(settings_->modelName(), model.modelName) << what;
            EXPECT_EQ(settings_->freqRange(), model.freqRange) << what;
        }
    }
    EXPECT_GT(ok, 0);
    EXPECT_GT(failed, 0);
}

TEST_F(RadioReplyMutation, WritesEndWithTheirOutcome)
{
    for (std::uint32_t seed = 50; seed < 50u + 20u * static_cast<unsigned>(scaled(1)); ++seed) {
        Mutator m(seed);
        DamagingOpener opener(radio, m, 1 + seed % 4);
        SessionContext ctx{opener, *settings_, prompt_, "1", kNoWait, {}};
        const auto channels = store_->channels.size();
        const Outcome r = commands->runWrite(ctx);
        EXPECT_TRUE(r.ok || r.message != 0) << "seed " << seed;
        EXPECT_EQ(store_->channels.size(), channels) << "seed " << seed;
        if (r.ok) {
            const auto mem = radio.memory();
            EXPECT_TRUE(std::equal(store_->image().begin() + 32, store_->image().begin() + 40, mem.begin() + 32))
                << "seed " << seed << ": the stamp the radio holds";
        }
    }
}
