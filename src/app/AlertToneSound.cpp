#include "app/AlertToneSound.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

std::uint64_t samplesOf(int ms, int rate)
{
    return ms <= 0 ? 0 : static_cast<std::uint64_t>(ms) * static_cast<std::uint64_t>(rate) / 1000;
}

}  // namespace

bool AlertTonePlan::playable() const
{
    return std::any_of(durationMs.begin(), durationMs.end(), [](int d) { return d > 0; });
}

std::uint64_t AlertTonePlan::sequenceSamples(int rate) const
{
    std::uint64_t n = 0;
    for (int d : durationMs) n += samplesOf(d, rate);
    return n;
}

std::uint64_t AlertTonePlan::totalSamples(int rate) const
{
    if (!playable() || repetitions <= 0) return 0;
    const auto reps = static_cast<std::uint64_t>(repetitions);
    // No pause after the last pass.
    return reps * sequenceSamples(rate) + (reps - 1) * samplesOf(pauseMs, rate);
}

AlertToneStream::AlertToneStream(const AlertTonePlan& plan, int sampleRate, std::int16_t amplitude)
    : plan_(plan),
      rate_(std::max(sampleRate, 1)),
      amplitude_(amplitude),
      sequence_(plan.sequenceSamples(rate_) + samplesOf(plan.pauseMs, rate_)),
      total_(plan.totalSamples(rate_))
{
}

std::int16_t AlertToneStream::sampleAt(std::uint64_t n) const
{
    std::uint64_t inPass = sequence_ ? n % sequence_ : 0;
    for (int k = 0; k < AlertTonePlan::kTones; ++k) {
        const std::uint64_t len = samplesOf(plan_.durationMs[static_cast<std::size_t>(k)], rate_);
        if (inPass < len) {
            const int hz = plan_.frequencyHz[static_cast<std::size_t>(k)];
            if (hz <= 0) return 0;
            // Each tone starts at phase 0, as a new beep does.
            const double t = static_cast<double>(inPass) / rate_;
            return static_cast<std::int16_t>(amplitude_ * std::sin(2 * std::numbers::pi * hz * t));
        }
        inPass -= len;
    }
    return 0;   // the pause
}

std::size_t AlertToneStream::read(std::int16_t* out, std::size_t count)
{
    std::size_t written = 0;
    while (written < count && !finished()) out[written++] = sampleAt(position_++);
    return written;
}
