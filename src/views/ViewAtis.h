#pragma once
// The ATIS code (twelve decimal digits, padded on the left with zeros when
// fewer are typed) and its pretime.
#include "views/CustomFormView.h"
#include "views/FormTable.h"

class CViewAtis : public CCustomFormView {
    Q_OBJECT
public:
    explicit CViewAtis(EditorContext& context, QWidget* parent = nullptr);

    static FormTable controls();
    static constexpr int kCode = 4595;

protected:
    void buildForm(QWidget* form) override;
};
