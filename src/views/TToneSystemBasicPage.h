#pragma once
// The Basic tab of the two-tone system editor: the timing of the system
// (pretime, tone durations, gap) as range edits with spin arrows, and the
// sidetone and short beep switches.
#include "views/FormTable.h"
#include "views/QAVPropertyPage.h"

class CTToneSystemBasicPage : public CQAVPropertyPage {
    Q_OBJECT
public:
    explicit CTToneSystemBasicPage(const LanguageSource& language, QWidget* parent = nullptr);
    static FormTable controls();

protected:
    void buildPage() override;
};
