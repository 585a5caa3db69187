#pragma once
// The radio-wide miscellaneous settings: VOX, squelch, battery saving and
// the low-power alert, one combo box or check box per field of the
// miscellaneous record (the table in ViewMis.cpp). Battery Save Mode can
// only be chosen while Battery Save is on; its stored value is kept either way.
#include "views/CustomFormView.h"
#include "views/FormTable.h"

class CViewMis : public CCustomFormView {
    Q_OBJECT
public:
    explicit CViewMis(EditorContext& context, QWidget* parent = nullptr);

    // The controls and the record fields they edit.
    static FormTable controls();

protected:
    void buildForm(QWidget* form) override;
    void loadControls(Record* record) override;
    void commit(int controlId) override;

private:
    void matchBatterySaveMode();
};
