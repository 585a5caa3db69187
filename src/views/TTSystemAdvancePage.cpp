#include "views/TTSystemAdvancePage.h"

#include "controls/Binders.h"
#include "controls/ControlId.h"
#include "controls/RangeValueEdit.h"
#include "controls/SpinButtons.h"
#include "model/TwoToneRecords.h"
#include "views/ViewIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// Captions of the decoder grid: its column heads and row labels.
constexpr int kCallFormatHead = 5481;
constexpr int kCallTypeHead = 5482;
constexpr int kAlertToneHead = 5476;
constexpr int kDecodeLabel = 5477;   // 5477-5480: decoders 1-4

constexpr FormControl kControls[] = {
    {5515, FormKind::Label, "A Tone[Hz]"},
    {5519, FormKind::RangeEdit, "", "tone_a"},
    {5516, FormKind::Label, "B Tone[Hz]"},
    {5520, FormKind::RangeEdit, "", "tone_b"},
    {5517, FormKind::Label, "C Tone[Hz]"},
    {5521, FormKind::RangeEdit, "", "tone_c"},
    {5518, FormKind::Label, "D Tone[Hz]"},
    {5522, FormKind::RangeEdit, "", "tone_d"},
    {5527, FormKind::Label, "Transpond Delay Time[s]"},
    {5528, FormKind::RangeEdit, "", "transpond_delay"},
    {CTTSystemAdvancePage::kVibrate, FormKind::Check, "Vibrate", "vibrate"},
    {CTTSystemAdvancePage::kVibrateAutoReset, FormKind::Check, "Vibrate Auto Reset", "vibrate_auto_reset", true},
    {CTTSystemAdvancePage::kLed, FormKind::Check, "LED", "led"},
    {CTTSystemAdvancePage::kLedAutoReset, FormKind::Check, "LED Auto Reset", "led_auto_reset", true},
    {CTTSystemAdvancePage::kAlertAutoReset, FormKind::Check, "Alert Tone Auto Reset", "alert_tone_auto_reset"},
    {5532, FormKind::Check, "Clear to Transpond", "clear_to_transpond", true},
    {5536, FormKind::Label, "Respond Mode"},
    {5537, FormKind::Combo, "", "respond_mode"},
};

QLabel* label(QWidget* parent, int id, const char* text)
{
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    setControlId(l, id);
    return l;
}

}  // namespace

CTTSystemAdvancePage::CTTSystemAdvancePage(const LanguageSource& language, QWidget* parent)
    : CQAVPropertyPage(FormId::kTwoToneAdvanced, language, parent)
{
}

FormTable CTTSystemAdvancePage::controls() { return {Section::TwoToneSystems, kControls}; }

void CTTSystemAdvancePage::buildPage()
{
    auto* column = new QVBoxLayout(this);
    auto* decoders = new QWidget(this);
    auto* grid = new QGridLayout(decoders);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(label(decoders, kCallFormatHead, "Call Format"), 0, 1);
    grid->addWidget(label(decoders, kCallTypeHead, "Call Type"), 0, 2);
    grid->addWidget(label(decoders, kAlertToneHead, "Alert Tone"), 0, 3);
    auto bind = [this](QWidget* w, const char* pattern, int k) {
        if (const BoundField* f = findField(Section::TwoToneSystems, pattern, k)) {
            if (auto binder = makeBinder(w, *f)) bindings().add(std::move(binder));
        }
    };
    for (int k = 0; k < TwoToneSystemField::kDecodeCount; ++k) {
        const std::string name = "Decode " + std::to_string(k + 1);
        grid->addWidget(label(decoders, kDecodeLabel + k, name.c_str()), k + 1, 0);
        struct Cell {
            int id;
            const char* field;
            const char* text;  // check boxes only
        };
        const Cell cells[] = {{formatCombo(k), "decode_%_call_format", nullptr},
                              {typeCombo(k), "decode_%_call_type", nullptr},
                              {alertCombo(k), "decode_%_alert_tone", nullptr},
                              {transpondCheck(k), "decode_%_transpond", "Transpond"},
                              {recordCheck(k), "decode_%_record", "Record"}};
        int col = 1;
        for (const Cell& c : cells) {
            QWidget* w = c.text ? static_cast<QWidget*>(new QCheckBox(QString::fromUtf8(c.text), decoders))
                                : static_cast<QWidget*>(new QComboBox(decoders));
            setControlId(w, c.id);
            grid->addWidget(w, k + 1, col++);
            bind(w, c.field, k);
        }
        if (auto* l = qobject_cast<QLabel*>(grid->itemAtPosition(k + 1, 0)->widget()))
            l->setBuddy(grid->itemAtPosition(k + 1, 1)->widget());
    }
    column->addWidget(decoders);
    auto* rest = new QWidget(this);
    buildFormControls(rest, controls(), bindings());
    rest->layout()->setContentsMargins(0, 0, 0, 0);
    column->addWidget(rest, 1);
    for (int id : {5519, 5520, 5521, 5522, 5528}) {
        auto* edit = findControlAs<CRangeValueEdit>(rest, id);
        edit->setMaxLength(id == 5528 ? 4 : 6);
        const int spinId = id == 5528 ? 5529 : id + 4;
        auto* spin = CSpinButtons::attach(edit, spinId);
        connect(spin, &CSpinButtons::stepped, this, [this](int editId) { commit(editId, 1); });
    }
}

void CTTSystemAdvancePage::loadControls(Record&) { applyRules(); }

void CTTSystemAdvancePage::beforeCommit(int) { applyRules(); }

void CTTSystemAdvancePage::applyRules()
{
    auto enable = [this](int id, bool on) {
        if (QWidget* w = findControl(this, id)) w->setEnabled(on);
    };
    auto checked = [this](int id) {
        auto* c = findControlAs<QCheckBox>(this, id);
        return c && c->isChecked() && c->isEnabled();
    };

    // A tone is usable while a call format names it.
    for (int t = 0; t < 4; ++t) {
        const QChar letter(QLatin1Char(static_cast<char>('A' + t)));
        bool named = false;
        for (int k = 0; k < TwoToneSystemField::kDecodeCount; ++k)
            if (auto* c = findControlAs<QComboBox>(this, formatCombo(k))) named = named || c->currentText().contains(letter);
        enable(toneEdit(t), named);
        enable(toneEdit(t) + 4, named);
    }

    // Call types: 0 open squelch, 1 alert, 2 alert and open squelch, 3 alert and record.
    bool anyAlert = false, allOpen = true, allRecord = true;
    for (int k = 0; k < TwoToneSystemField::kDecodeCount; ++k) {
        auto* c = findControlAs<QComboBox>(this, typeCombo(k));
        const int type = c && c->currentIndex() >= 0 ? c->currentData().toInt() : 0;
        switch (type) {
        case 0: enable(alertCombo(k), false); enable(recordCheck(k), true); break;
        case 1: enable(alertCombo(k), true); enable(recordCheck(k), false); break;
        case 2: enable(alertCombo(k), true); break;   // the record switch as it was
        default: enable(alertCombo(k), true); enable(recordCheck(k), true); break;
        }
        anyAlert = anyAlert || type == 1 || type == 2;
        allOpen = allOpen && type == 0;
        allRecord = allRecord && type == 3;
    }
    if (anyAlert) {
        for (int id : {kVibrate, kLed, kLedAutoReset, kVibrateAutoReset, kAlertAutoReset}) enable(id, true);
        enable(kLedAutoReset, checked(kLed));
        enable(kVibrateAutoReset, checked(kVibrate));
    } else if (allOpen) {
        for (int id : {kVibrate, kLed, kLedAutoReset, kVibrateAutoReset, kAlertAutoReset}) enable(id, false);
    } else if (allRecord) {
        for (int id : {kVibrateAutoReset, kLedAutoReset, kAlertAutoReset}) enable(id, false);
    } else {
        enable(kAlertAutoReset, false);
    }
}
