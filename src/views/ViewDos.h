#pragma once
// The DOS settings: the enable switch and the pre-mute duration, which can
// only be chosen while DOS is on (its stored value is kept either way). The
// post-mute duration combo belongs to no record field.
#include "views/CustomFormView.h"
#include "views/FormTable.h"

class CViewDos : public CCustomFormView {
    Q_OBJECT
public:
    explicit CViewDos(EditorContext& context, QWidget* parent = nullptr);

    static FormTable controls();
    static constexpr int kEnable = 4666;
    static constexpr int kPreMute = 4670;

protected:
    void buildForm(QWidget* form) override;
    void loadControls(Record* record) override;
    void commit(int controlId) override;

private:
    void matchPreMute();
};
