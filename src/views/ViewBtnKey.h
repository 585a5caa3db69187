#pragma once
// The programmable keys: four combo boxes, each choosing the function of
// one key press from the key function list. A key whose stored function is
// not in the list shows no choice and keeps its value until one is chosen.
#include "views/CustomFormView.h"
#include "views/FormTable.h"

class CViewBtnKey : public CCustomFormView {
    Q_OBJECT
public:
    explicit CViewBtnKey(EditorContext& context, QWidget* parent = nullptr);

    static FormTable controls();
    // The key combos and the record fields they choose.
    struct KeyCombo {
        int controlId;
        const char* field;
    };
    static std::span<const KeyCombo> keyCombos();

protected:
    void buildForm(QWidget* form) override;
};
