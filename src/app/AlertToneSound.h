#pragma once
// What an alert tone sounds like, as PCM samples: eight tones in turn, each
// a frequency in Hz (0: silence) held for a duration in ms, the sequence
// repeated with a pause between repetitions. The samples are made as they
// are read, so even the longest plan (10000 repetitions) costs no memory,
// and stop() ends the stream at the next read from any thread.
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

struct AlertTonePlan {
    static constexpr int kTones = 8;
    // A cycle value of 0 repeats until stopped: this many times.
    static constexpr int kEndless = 10000;

    std::array<int, kTones> frequencyHz{};
    std::array<int, kTones> durationMs{};
    int repetitions = 1;
    int pauseMs = 0;

    // Nothing to play when every duration is 0.
    bool playable() const;
    // Samples of one pass of the eight tones, and of the whole plan.
    std::uint64_t sequenceSamples(int sampleRate) const;
    std::uint64_t totalSamples(int sampleRate) const;
};

class AlertToneStream {
public:
    AlertToneStream(const AlertTonePlan& plan, int sampleRate, std::int16_t amplitude = 8000);

    // Writes up to `count` mono samples; fewer only at the end. 0: finished or stopped.
    std::size_t read(std::int16_t* out, std::size_t count);
    void stop() { stopped_ = true; }
    bool finished() const { return stopped_ || position_ >= total_; }
    int sampleRate() const { return rate_; }

private:
    std::int16_t sampleAt(std::uint64_t n) const;

    AlertTonePlan plan_;
    int rate_;
    std::int16_t amplitude_;
    std::uint64_t sequence_;   // samples of one pass plus its pause
    std::uint64_t total_;
    std::uint64_t position_ = 0;
    std::atomic<bool> stopped_{false};
};
