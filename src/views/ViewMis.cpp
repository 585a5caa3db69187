#include "views/ViewMis.h"

#include "controls/ControlId.h"
#include "controls/LanguageSource.h"
#include "model/MiscRecord.h"
#include "views/ViewIds.h"

#include <QCheckBox>
#include <QComboBox>

namespace {

constexpr int kBatterySave = 1410;
constexpr int kBatterySaveMode = 1412;

constexpr FormControl kTable[] = {
    {1405, FormKind::Label, "VOX Gain Level"},
    {1406, FormKind::Combo, "", MiscField::Vox, MiscField::VoxGainLo, MiscField::VoxGainBits},
    {1407, FormKind::Label, "VOX Delay Time"},
    {1408, FormKind::Combo, "", MiscField::VoxDelay, 0, 8},
    {1409, FormKind::Check, "VOX Inhibit On Receive", MiscField::Vox, MiscField::VoxInhibitBit, 1},
    {1403, FormKind::Label, "Carrier Squelch Level"},
    {1404, FormKind::Combo, "", MiscField::CarrierSquelch, 0, 8},
    {1401, FormKind::Label, "CTCSS tail revert option"},
    {1402, FormKind::Combo, "", MiscField::Battery, MiscField::TailRevertBit, 1},
    {kBatterySave, FormKind::Check, "Battery Save", MiscField::Battery, MiscField::BatterySaveBit, 1},
    {1411, FormKind::Label, "Battery Save Mode"},
    {kBatterySaveMode, FormKind::Combo, "", MiscField::BatterySaveMode, 0, 3},
    {1413, FormKind::Label, "Low Power Alert Gap Time[s]"},
    {1414, FormKind::Combo, "", MiscField::LowPowerAlertGap, 0, 8},
};

}  // namespace

CViewMis::CViewMis(EditorContext& context, QWidget* parent)
    : CCustomFormView(FormId::kMisc, ViewCommand::kMisc, SectionId::Misc, context, parent)
{
}

CViewMis::~CViewMis() { save(); }

std::span<const FormControl> CViewMis::controls() { return kTable; }

void CViewMis::buildForm(QWidget* form)
{
    buildFormControls(form, kTable);
    form->setWindowTitle(QStringLiteral("Miscellaneous"));
}

void CViewMis::matchBatterySaveMode()
{
    auto* save = findControlAs<QCheckBox>(form(), kBatterySave);
    auto* mode = findControlAs<QComboBox>(form(), kBatterySaveMode);
    // A control the model disables stays disabled.
    if (save && mode) mode->setEnabled(save->isChecked() && context().language().modelFlag(kBatterySaveMode) == 0);
}

void CViewMis::loadControls(Record* record)
{
    if (record) loadFormControls(form(), kTable, *record, context().language());
    matchBatterySaveMode();
}

void CViewMis::saveControls(Record& record)
{
    saveFormControls(form(), kTable, record, context().language());
}

void CViewMis::commit(int controlId)
{
    if (controlId == kBatterySave) matchBatterySaveMode();
    CCustomFormView::commit(controlId);
}
