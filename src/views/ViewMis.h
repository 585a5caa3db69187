#pragma once
// The radio-wide miscellaneous settings: VOX, squelch, battery saving and
// the low-power alert, one combo box or check box per field of the
// miscellaneous record (the table in ViewMis.cpp). Battery Save Mode can
// only be chosen while Battery Save is on; its stored value is kept either way.
#include "views/CustomFormView.h"
#include "views/FormTable.h"

#include <span>

class CViewMis : public CCustomFormView {
    Q_OBJECT
public:
    explicit CViewMis(EditorContext& context, QWidget* parent = nullptr);
    ~CViewMis() override;

    // The controls and the record bits they edit.
    static std::span<const FormControl> controls();

protected:
    void buildForm(QWidget* form) override;
    void loadControls(Record* record) override;
    void saveControls(Record& record) override;
    void commit(int controlId) override;

private:
    void matchBatterySaveMode();
};
