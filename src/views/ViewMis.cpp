#include "views/ViewMis.h"

#include "controls/ControlId.h"
#include "controls/LanguageSource.h"
#include "views/EditorRegistry.h"
#include "views/ViewIds.h"

#include <QCheckBox>
#include <QComboBox>

namespace {

constexpr int kBatterySave = 1410;
constexpr int kBatterySaveMode = 1412;

// Each check box sits on the row of the setting it belongs to: VOX inhibit
// beside the VOX gain (both in the VOX byte), Battery Save beside the mode
// it switches on.
constexpr FormControl kControls[] = {
    {1405, FormKind::Label, "VOX Gain Level"},
    {1406, FormKind::Combo, "", "vox_gain_level"},
    {1409, FormKind::Check, "VOX Inhibit On Receive", "vox_inhibit_on_receive", true},
    {1407, FormKind::Label, "VOX Delay Time"},
    {1408, FormKind::Combo, "", "vox_delay_time"},
    {1403, FormKind::Label, "Carrier Squelch Level"},
    {1404, FormKind::Combo, "", "carrier_squelch_level"},
    {1401, FormKind::Label, "CTCSS tail revert option"},
    {1402, FormKind::Combo, "", "ctcss_tail_revert"},
    {1411, FormKind::Label, "Battery Save Mode"},
    {kBatterySaveMode, FormKind::Combo, "", "battery_save_mode"},
    {kBatterySave, FormKind::Check, "Battery Save", "battery_save", true},
    {1413, FormKind::Label, "Low Power Alert Gap Time[s]"},
    {1414, FormKind::Combo, "", "low_power_alert_gap"},
};

}  // namespace

CViewMis::CViewMis(EditorContext& context, QWidget* parent)
    : CCustomFormView(*EditorRegistry::find(ViewCommand::kMisc), context, parent)
{
}

FormTable CViewMis::controls() { return {Section::Misc, kControls}; }

void CViewMis::buildForm(QWidget* form)
{
    buildFormControls(form, controls(), bindings());
    form->setWindowTitle(QStringLiteral("Miscellaneous"));
}

void CViewMis::matchBatterySaveMode()
{
    auto* save = findControlAs<QCheckBox>(form(), kBatterySave);
    auto* mode = findControlAs<QComboBox>(form(), kBatterySaveMode);
    // A control the model disables stays disabled.
    if (save && mode) mode->setEnabled(save->isChecked() && context().language().modelFlag(kBatterySaveMode) == 0);
}

void CViewMis::loadControls(Record*) { matchBatterySaveMode(); }

void CViewMis::commit(int controlId)
{
    if (controlId == kBatterySave) matchBatterySaveMode();
    CCustomFormView::commit(controlId);
}
