// The alert tone editor with the shipped English texts and a player that
// records what it was asked to play.
#include "SignallingFixture.h"

#include "model/AlertToneRecord.h"
#include "views/TonePlayer.h"
#include "views/ViewAlertTone.h"
#include "views/ViewIds.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QStatusTipEvent>

namespace {

class FakePlayer : public TonePlayer {
public:
    bool output = true;
    bool playing = false;
    std::vector<AlertTonePlan> played;
    bool play(const AlertTonePlan& plan) override
    {
        if (!output) return false;
        played.push_back(plan);
        return playing = true;
    }
    void stop() override
    {
        if (playing) emit finished();
        playing = false;
    }
    bool isPlaying() const override { return playing; }
};

// Catches the status bar text the view sends up to its window.
class StatusCatcher : public QObject {
public:
    QString text;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::StatusTip) text = static_cast<QStatusTipEvent*>(e)->tip();
        return false;
    }
};

struct AlertFixture : SignallingFixture {
    FakePlayer* player = new FakePlayer;
    explicit AlertFixture(int count = 2)
        : SignallingFixture(Section::AlertTones, AlertToneField::kSize, count, 8, false, {{5002, 5084}})
    {
        for (int i = 0; i < count; ++i) record(i) = defaultAlertToneRecord(i);
        ctx.lang.messages[CViewAlertTone::kNoSoundMessage] = "No sound";
        open(ViewCommand::kAlertTone);
        alert()->setPlayer(player);
    }
    CViewAlertTone* alert() { return static_cast<CViewAlertTone*>(view.get()); }
    QPushButton* button(int id) { return control<QPushButton>(id); }
};

TEST(ViewAlertTone, PlayHearsTheTonesAsShown)
{
    AlertFixture f;
    // Factory tone 1: 2100 Hz and silence in turn, 100 ms each, once, a 3 s pause.
    EXPECT_EQ(f.control<QLineEdit>(CViewAlertTone::frequencyEdit(0))->text(), "2100");
    EXPECT_EQ(f.control<QLineEdit>(CViewAlertTone::frequencyEdit(1))->text(), "Off") << "code 1 is no tone";
    f.button(CViewAlertTone::kPlay)->click();
    ASSERT_EQ(f.player->played.size(), 1u);
    const AlertTonePlan& p = f.player->played[0];
    EXPECT_EQ(p.frequencyHz, (std::array<int, 8>{2100, 0, 2100, 0, 2100, 0, 2100, 0}));
    EXPECT_EQ(p.durationMs, (std::array<int, 8>{100, 100, 100, 100, 100, 100, 100, 100}));
    EXPECT_EQ(p.repetitions, 1);
    EXPECT_EQ(p.pauseMs, 3000);
    EXPECT_FALSE(f.button(CViewAlertTone::kPlay)->isEnabled());
    f.button(CViewAlertTone::kPlay)->click();
    EXPECT_EQ(f.player->played.size(), 1u) << "one tone at a time";
    f.button(CViewAlertTone::kStop)->click();
    EXPECT_FALSE(f.player->playing);
    EXPECT_TRUE(f.button(CViewAlertTone::kPlay)->isEnabled());
}

TEST(ViewAlertTone, MovingToAnotherToneOrClosingStopsPlaying)
{
    AlertFixture f;
    f.button(CViewAlertTone::kPlay)->click();
    ASSERT_TRUE(f.player->playing);
    f.view->navigate(NavAction::kNext);
    EXPECT_FALSE(f.player->playing);
    f.button(CViewAlertTone::kPlay)->click();
    EXPECT_EQ(f.player->played.back().frequencyHz[0], 800) << "the second tone's pattern";
    f.view->close();
    EXPECT_FALSE(f.player->playing);
}

TEST(ViewAlertTone, ContinuousCycleAndSilentTones)
{
    AlertFixture f(1);
    f.record().setU8(AlertToneField::Cycle, 0);
    f.view->load();
    EXPECT_EQ(f.alert()->plan().repetitions, AlertTonePlan::kEndless);
    for (int k = 0; k < 8; ++k) f.record().setU8(AlertToneField::duration(k), 0);
    f.view->load();
    f.button(CViewAlertTone::kPlay)->click();
    EXPECT_TRUE(f.player->played.empty()) << "all durations 0: nothing to play";
}

TEST(ViewAlertTone, WithoutSoundOutputPlaySaysSoInTheStatusBar)
{
    AlertFixture f;
    f.player->output = false;
    StatusCatcher catcher;
    QWidget window;
    f.view->setParent(&window);
    window.installEventFilter(&catcher);
    f.button(CViewAlertTone::kPlay)->click();
    EXPECT_EQ(catcher.text, "No sound");
    EXPECT_TRUE(f.button(CViewAlertTone::kPlay)->isEnabled());
    f.view->setParent(nullptr);
}

TEST(ViewAlertTone, OffFrequenciesAreStoredAsOneAndLowCodesKept)
{
    AlertFixture f(1);
    f.record().setU8(AlertToneField::frequency(1), 20);
    f.view->load();
    f.view->save();
    EXPECT_EQ(f.record().u8(AlertToneField::frequency(1)), 20) << "an unchanged low code is kept";
    f.type(CViewAlertTone::frequencyEdit(0), "0", CViewAlertTone::durationEdit(0));
    EXPECT_EQ(f.record().u8(AlertToneField::frequency(0)), 1);
    f.type(CViewAlertTone::frequencyEdit(0), "1000", CViewAlertTone::durationEdit(0));
    EXPECT_EQ(f.record().u8(AlertToneField::frequency(0)), 100);
    EXPECT_EQ(f.alert()->plan().frequencyHz[0], 1000);
}

TEST(AudioTonePlayer, PlaysOrSaysItCannotWithoutHanging)
{
    AudioTonePlayer player;
    AlertTonePlan plan;
    plan.frequencyHz.fill(1000);
    plan.durationMs.fill(2550);
    plan.repetitions = AlertTonePlan::kEndless;
    QElapsedTimer clock;
    clock.start();
    const bool started = player.play(plan);
    if (!AudioTonePlayer::hasOutput()) {
        EXPECT_FALSE(started);
    }
    EXPECT_EQ(player.isPlaying(), started);
    player.stop();
    EXPECT_FALSE(player.isPlaying());
    EXPECT_LT(clock.elapsed(), 2000);
}

}  // namespace
