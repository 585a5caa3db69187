#pragma once
// The two-tone calls, one record at a time: the system the call uses, its
// format, the two tones, the CTCSS/CDCSS strip switch and the channel to
// revert to. The system and channel choices follow their lists; a stored
// channel number beyond the channel list shows no choice and is kept until
// another is chosen.
#include "views/CustomFormView.h"
#include "views/FormTable.h"

class CViewTToneCall : public CCustomFormView {
    Q_OBJECT
public:
    explicit CViewTToneCall(EditorContext& context, QWidget* parent = nullptr);

    static FormTable controls();
    static constexpr int kSystem = 5414;
    static constexpr int kRevertChannel = 5412;

protected:
    void buildForm(QWidget* form) override;
    void loadControls(Record* record) override;
    void onNotice(const ChangeNotice& notice) override;

private:
    void fillLists();
};
