#include "app/AlertToneSound.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

namespace {

constexpr int kRate = 8000;

std::vector<std::int16_t> drain(AlertToneStream& s)
{
    std::vector<std::int16_t> all;
    std::int16_t buf[333];
    while (std::size_t n = s.read(buf, std::size(buf))) all.insert(all.end(), buf, buf + n);
    return all;
}

int upwardCrossings(const std::vector<std::int16_t>& v, std::size_t from, std::size_t to)
{
    int n = 0;
    for (std::size_t i = from + 1; i < to; ++i) n += v[i - 1] < 0 && v[i] >= 0;
    return n;
}

TEST(AlertToneSound, SamplesFollowTheTonesThePausesAndTheRepetitions)
{
    AlertTonePlan plan;
    plan.frequencyHz = {1000, 0, 500};
    plan.durationMs = {100, 50, 200};
    plan.repetitions = 2;
    plan.pauseMs = 250;
    AlertToneStream stream(plan, kRate);
    const auto pcm = drain(stream);
    // Two passes of 350 ms with one pause of 250 ms between them.
    ASSERT_EQ(pcm.size(), std::size_t(kRate * 950 / 1000));
    EXPECT_EQ(plan.totalSamples(kRate), pcm.size());
    struct Span {
        std::size_t from, to;
        int cycles;   // upward zero crossings expected
    };
    for (Span s : {Span{0, 800, 100}, Span{1200, 2800, 100}, Span{4800, 5600, 100}}) {
        // A crossing at the very start counts for the span before it.
        EXPECT_NEAR(upwardCrossings(pcm, s.from, s.to), s.cycles, 1) << s.from;
    }
    for (std::size_t i : {800u, 1000u, 1199u, 2800u, 3500u, 4799u}) EXPECT_EQ(pcm[i], 0) << "silence at " << i;
    EXPECT_TRUE(stream.finished());
}

TEST(AlertToneSound, NothingToPlayWithoutDurations)
{
    AlertTonePlan plan;
    plan.frequencyHz.fill(1000);
    EXPECT_FALSE(plan.playable());
    AlertToneStream stream(plan, kRate);
    std::int16_t buf[10];
    EXPECT_EQ(stream.read(buf, 10), 0u);
    plan.durationMs[7] = 10;
    EXPECT_TRUE(plan.playable());
}

TEST(AlertToneSound, AnEndlessCycleStopsAtOnceFromAnotherThread)
{
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "the WebAssembly build has one thread";
#endif
    AlertTonePlan plan;
    plan.frequencyHz.fill(2000);
    plan.durationMs.fill(2550);
    plan.repetitions = AlertTonePlan::kEndless;
    AlertToneStream stream(plan, 22050);
    EXPECT_EQ(plan.totalSamples(22050), std::uint64_t(8) * (22050 * 2550 / 1000) * 10000);
    std::atomic<std::chrono::steady_clock::time_point> lastRead{};
    std::thread reader([&] {
        std::int16_t buf[256];
        while (stream.read(buf, 256) > 0) lastRead = std::chrono::steady_clock::now();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const auto stopped = std::chrono::steady_clock::now();
    stream.stop();
    reader.join();
    const auto ended = std::chrono::steady_clock::now();
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(ended - stopped).count(), 50);
    EXPECT_TRUE(stream.finished());
}

}  // namespace
