#pragma once
// The alert tones, one record at a time: the cycle (how often the sequence
// repeats), the segment number, and eight tones of a frequency and a
// duration, each a range edit with spin arrows; below its range's lowest
// frequency a tone is off (silent). Play sounds the tone through the sound
// system until it ends or Stop is pressed; moving to another record or
// closing the editor stops it too.
#include "app/AlertToneSound.h"
#include "views/CustomFormView.h"
#include "views/FormTable.h"

class TonePlayer;

class CViewAlertTone : public CCustomFormView {
    Q_OBJECT
public:
    explicit CViewAlertTone(EditorContext& context, QWidget* parent = nullptr);
    ~CViewAlertTone() override;

    static constexpr int kCycle = 5003;
    static constexpr int kSegments = 5018;
    static int frequencyEdit(int k) { return 5004 + k; }
    static int durationEdit(int k) { return 5019 + k; }
    static constexpr int kPlay = 5083;
    static constexpr int kStop = 5084;
    static constexpr int kPlayingIcon = 5085;
    // Shown in the status bar when the machine has no sound output.
    static constexpr int kNoSoundMessage = 1180;

    // Replaces the sound system (tests); the view takes ownership.
    void setPlayer(TonePlayer* player);
    // What Play would play now, from what the controls show.
    AlertTonePlan plan() const { return plan_; }

public slots:
    void play();
    void stopPlaying();

protected:
    void buildForm(QWidget* form) override;
    void loadControls(Record* record) override;
    void commit(int controlId) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void computePlan();
    void showPlaying(bool playing);

    TonePlayer* player_ = nullptr;
    AlertTonePlan plan_;
};
