#pragma once
// The Advanced tab of the two-tone system editor: the four decoders (call
// format, call type, alert tone, transpond, record), the four tones, the
// transpond delay and the alerting options. What can be set depends on
// the choices made, re-evaluated after every load and every change:
//  - a tone is usable while some decoder's call format names it;
//  - a decoder's call type decides whether its alert tone and its record
//    switch apply;
//  - the alerting options apply only when some decoder alerts, and the
//    auto resets only while what they reset is on.
#include "views/FormTable.h"
#include "views/QAVPropertyPage.h"

class CTTSystemAdvancePage : public CQAVPropertyPage {
    Q_OBJECT
public:
    explicit CTTSystemAdvancePage(const LanguageSource& language, QWidget* parent = nullptr);
    static FormTable controls();

    // Control ids of decoder k (0-3).
    static int formatCombo(int k) { return 5495 + k; }
    static int typeCombo(int k) { return 5499 + k; }
    static int alertCombo(int k) { return 5503 + k; }
    static int transpondCheck(int k) { return 5507 + k; }
    static int recordCheck(int k) { return 5511 + k; }
    // Tone edit of tone t (0-3: A-D); its spin is 5523 + t.
    static int toneEdit(int t) { return 5519 + t; }
    static constexpr int kVibrate = 5530, kLed = 5531, kAlertAutoReset = 5533, kVibrateAutoReset = 5534,
                         kLedAutoReset = 5535;

    // Applies the enabling rules to the controls as they are.
    void applyRules();

protected:
    void buildPage() override;
    void loadControls(Record& record) override;
    void beforeCommit(int controlId) override;
};
