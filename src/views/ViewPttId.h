#pragma once
// The QFX1200 PTT-ID settings: the primary id (four hexadecimal digits the
// radio can send, corrected as they are entered), the PTT-ID type, pretime
// and preamble, and the side tone and short beep switches, which the
// record keeps inverted. The group id edit is corrected the same way but
// belongs to no record field, so it is neither loaded nor stored.
#include "views/CustomFormView.h"
#include "views/FormTable.h"

class CViewQFX12PTTID : public CCustomFormView {
    Q_OBJECT
public:
    explicit CViewQFX12PTTID(EditorContext& context, QWidget* parent = nullptr);

    static FormTable controls();
    static constexpr int kPrimaryId = 1661;
    static constexpr int kGroupId = 1663;
    static constexpr int kSideTone = 1670;
    static constexpr int kShortBeep = 1671;

protected:
    void buildForm(QWidget* form) override;
    void commit(int controlId) override;
};
