#pragma once
// What identifies the radio: model, band, serial number, firmware version,
// signalling type and when it was last programmed. Display only: nothing
// typed here is stored. Refilled on load (a write to the radio changes the
// programming stamp).
#include "views/CustomFormView.h"
#include "views/FormTable.h"

#include <array>
#include <cstdint>

class CViewRadio : public CCustomFormView {
    Q_OBJECT
public:
    explicit CViewRadio(EditorContext& context, QWidget* parent = nullptr);

    // The controls and the record fields they show or edit.
    static FormTable controls();

    // "%Y-%m-%d %H:%M:%S" of a programming stamp, each byte clamped from
    // above first (a damaged stamp still shows as a date).
    static QString stampText(const std::array<std::uint8_t, 8>& stamp);

protected:
    void buildForm(QWidget* form) override;
    void loadControls(Record* record) override;
    bool watchesOwnControls() const override { return false; }
};
