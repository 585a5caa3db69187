#include "views/TonePlayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>

#include <cstring>
#include <memory>

namespace {
constexpr int kSampleRate = 22050;
}

// Hands the sound system the samples of the plan as it asks for them.
class AudioTonePlayer::Source : public QIODevice {
public:
    Source(const AlertTonePlan& plan, QObject* parent) : QIODevice(parent), stream_(plan, kSampleRate) {}
    void halt() { stream_.stop(); }
    bool atEnd() const override { return stream_.finished(); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const auto samples = static_cast<std::size_t>(maxSize / 2);
        auto buffer = std::make_unique<std::int16_t[]>(samples);
        const std::size_t n = stream_.read(buffer.get(), samples);
        std::memcpy(data, buffer.get(), n * 2);
        return static_cast<qint64>(n * 2);
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    AlertToneStream stream_;
};

AudioTonePlayer::AudioTonePlayer(QObject* parent) : TonePlayer(parent) {}

AudioTonePlayer::~AudioTonePlayer() { release(); }

bool AudioTonePlayer::hasOutput() { return !QMediaDevices::defaultAudioOutput().isNull(); }

bool AudioTonePlayer::play(const AlertTonePlan& plan)
{
    release();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !plan.playable()) return false;
    QAudioFormat format;
    format.setSampleRate(kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) return false;

    source_ = new Source(plan, this);
    source_->open(QIODevice::ReadOnly);
    sink_ = new QAudioSink(device, format, this);
    connect(sink_, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        // Idle: the source ran dry, the plan is over. Stopped with an error: the device went away.
        if (state == QAudio::IdleState || (state == QAudio::StoppedState && sink_ && sink_->error() != QAudio::NoError)) {
            release();
            emit finished();
        }
    });
    sink_->start(source_);
    if (sink_->error() != QAudio::NoError) {
        release();
        return false;
    }
    return true;
}

void AudioTonePlayer::stop()
{
    const bool was = isPlaying();
    release();
    if (was) emit finished();
}

bool AudioTonePlayer::isPlaying() const { return sink_ != nullptr; }

void AudioTonePlayer::release()
{
    if (source_) source_->halt();
    if (sink_) {
        QAudioSink* sink = sink_;
        sink_ = nullptr;
        sink->disconnect(this);
        sink->stop();
        sink->deleteLater();
    }
    if (source_) {
        source_->deleteLater();
        source_ = nullptr;
    }
}
