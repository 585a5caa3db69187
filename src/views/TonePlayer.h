#pragma once
// Plays an alert tone plan through the sound system. play() returns at
// once; the samples are made while they are played and finished() follows
// the last one. stop() silences the tone at once. Where the machine has no
// sound output, play() says so by returning false and nothing is started.
// Views hold the interface so tests can give them a player of their own.
#include "app/AlertToneSound.h"

#include <QObject>

class TonePlayer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual bool play(const AlertTonePlan& plan) = 0;
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;

signals:
    // The plan played to its end or was stopped.
    void finished();
};

// The player of the program: 16-bit mono PCM into the default sound output.
class AudioTonePlayer : public TonePlayer {
    Q_OBJECT
public:
    explicit AudioTonePlayer(QObject* parent = nullptr);
    ~AudioTonePlayer() override;

    bool play(const AlertTonePlan& plan) override;
    void stop() override;
    bool isPlaying() const override;

    // Whether the machine has a sound output to play on.
    static bool hasOutput();

private:
    class Source;
    void release();

    class QAudioSink* sink_ = nullptr;
    Source* source_ = nullptr;
};
