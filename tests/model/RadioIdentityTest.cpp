#include "model/IdentityCheck.h"
#include "model/NewRangeOffer.h"
#include "model/RangeList.h"
#include "settings/ProfileFile.h"
#include "settings/AcceptedModel.h"
#include "settings/Prompt.h"
#include "settings/SettingsManager.h"
#include "settings/TestDir.h"
#include "settings/TextIds.h"

#include <gtest/gtest.h>

namespace {

constexpr BandBlock kBand350{0x05, 0x35, 0x00, 0x00, 0x00, 0x39, 0x00, 0x00, 0x00};

class ScriptedPrompt : public IPrompt {
public:
    explicit ScriptedPrompt(bool answer) : answer_(answer) {}
    bool confirm(int, const std::string& text, PromptButtons buttons) override
    {
        questions.push_back(text);
        lastButtons = buttons;
        return answer_;
    }
    std::optional<std::string> askPassword(int) override { return std::nullopt; }
    std::vector<std::string> questions;
    PromptButtons lastButtons = PromptButtons::OkCancel;

private:
    bool answer_;
};

class RadioIdentityTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        home.copyFixtures();
        settings = std::make_unique<CSettingsManager>(home.path(), home.path() + "user");
        settings->selectLanguage(0);
        settings->setFirmwareVersion("1.04.07");
    }
    IdentityBaseline current() const
    {
        return {settings->modelId(), settings->modelName(), settings->identifier(AcceptedModel::kIdentifierText)};
    }
    TestDir home;
    std::unique_ptr<CSettingsManager> settings;
};

TEST_F(RadioIdentityTest, ThreeResults)
{
    struct Case { IdentityMode mode; const char* id; const char* name; int status; IdentityResult result; int message; };
    const Case cases[] = {
        {IdentityMode::FreshRead, "QAV-UV", "QAV-100", 0, IdentityResult::Accepted, 0},
        {IdentityMode::FreshRead, "QAV-UV", "QAV-200", 0, IdentityResult::Rejected, MsgId::kRadioModelMismatch},
        {IdentityMode::FreshRead, "QAV-U", "QAV-300", 0, IdentityResult::Rejected, MsgId::kRadioModelMismatch},
        {IdentityMode::FreshRead, "QAV-UV", "QAV-100", 2, IdentityResult::Refused, MsgId::kRadioRefused},
        {IdentityMode::KeepModel, "QAV-UV", "QAV-100", 1, IdentityResult::Refused, MsgId::kRadioRefused},
        {IdentityMode::KeepModel, "QAV-UV", "QAV-200", 0, IdentityResult::Rejected, MsgId::kRadioModelMismatch},
        {IdentityMode::KeepModel, "QAV-U", "QAV-100", 0, IdentityResult::Rejected, MsgId::kRadioModelMismatch},
    };
    for (const auto& c : cases) {
        IdentityCheck check = checkRadioIdentity(c.mode, {c.id, c.name, c.status, kBand350, "1.04.07"}, current());
        EXPECT_EQ(check.result, c.result) << c.id << " " << c.name;
        EXPECT_EQ(check.outcome.message, c.message) << c.id << " " << c.name;
        if (c.result == IdentityResult::Accepted) {
            EXPECT_EQ(check.entry, (FreqRangeEntry{350, 390, 350, 390, 5}));
        }
        if (c.result == IdentityResult::Refused) {
            EXPECT_EQ(check.outcome.args, std::vector<std::string>{"1.04"});
        }
    }
    // A fresh read of another accepted name for a different current model is accepted.
    settings->setModelId("QAV-U");
    EXPECT_EQ(checkRadioIdentity(IdentityMode::FreshRead, {"QAV-UV", "QAV-200", 0, kBand350, "1.04.07"}, current()).result,
              IdentityResult::Accepted);
}

TEST_F(RadioIdentityTest, NoToTheNewRangeThenQuittingKeepsThePreviousRange)
{
    RangeList ranges;
    ranges.load(*settings);
    settings->setWriteOnDestruction(true);
    std::string modelDat = home.read("Model.dat");

    // A read from the radio makes its range current ...
    settings->setSavedFreqRange(settings->freqRange());
    settings->setFreqRange("350-391");
    ScriptedPrompt no(false);
    NewRangeOffer offer = offerNewRange({350, 391, 0, 0, 5}, ranges, *settings, no);
    EXPECT_EQ(offer.result, NewRangeResult::Declined);
    ASSERT_EQ(no.questions.size(), 1u);
    EXPECT_EQ(no.questions[0], "Find a new Frequency Range: 350-391 MHz,do you want to add?");
    EXPECT_EQ(no.lastButtons, PromptButtons::YesNo);
    EXPECT_EQ(home.read("Model.dat"), modelDat);

    // ... and quitting writes the one before it.
    settings.reset();
    EXPECT_EQ(readProfileString(home.file("Settings.ini"), "Setting", "FreqRange", "", 100), "400-470");
}

TEST_F(RadioIdentityTest, YesAppendsTheRangeAndReloadsTheList)
{
    RangeList ranges;
    ranges.load(*settings);
    settings->selectLanguage(1);
    settings->setFreqRange("450-520");
    ScriptedPrompt yes(true);
    NewRangeOffer offer = offerNewRange({450, 520, 1, 2, 0x81}, ranges, *settings, yes);
    EXPECT_EQ(offer.result, NewRangeResult::Added);
    EXPECT_EQ(yes.questions.at(0),
              "\xE5\x8F\x91\xE7\x8E\xB0\xE4\xB8\x80\xE4\xB8\xAA\xE6\x96\xB0\xE9\xA2\x91\xE6\xAE\xB5"
              "\xEF\xBC\x9A" "450-520 MHz, \xE6\x98\xAF\xE5\x90\xA6\xE6\xB7\xBB\xE5\x8A\xA0\xEF\xBC\x9F");
    EXPECT_EQ(settings->addRangeAnswer(), CSettingsManager::kAnswerYes);
    EXPECT_EQ(ranges.count(), 4);
    EXPECT_EQ(ranges.entries().back(), (FreqRangeEntry{450, 520, 450, 520, 0x81}));
    EXPECT_EQ(settings->model().bandFlags, 0x81);
    EXPECT_EQ(readProfileString(home.file("Model.dat"), "QAV-UV", "Freq3", "", 100), "450, 520, 450, 520, 129");

    // Offered again: already listed, nothing asked.
    ScriptedPrompt again(true);
    EXPECT_EQ(offerNewRange({450, 520, 0, 0, 0}, ranges, *settings, again).result, NewRangeResult::AlreadyListed);
    EXPECT_TRUE(again.questions.empty());
}

TEST_F(RadioIdentityTest, YesWithAnUnwritableModelFileIsReported)
{
    home.write("blocker", "");
    ConfigLocations where(home.path(), home.file("blocker/qav-cps"));
    where.assumeProgramDirWritable(false);
    CSettingsManager s(where);
    RangeList ranges;
    ranges.load(s);
    ScriptedPrompt yes(true);
    std::string before = home.read("Model.dat");
    NewRangeOffer offer = offerNewRange({450, 520, 0, 0, 0}, ranges, s, yes);
    EXPECT_EQ(offer.result, NewRangeResult::WriteFailed);
    EXPECT_FALSE(offer.error.empty());
    EXPECT_EQ(ranges.count(), 3);
    EXPECT_EQ(home.read("Model.dat"), before);
}

}  // namespace
