#include "views/ViewDos.h"

#include "controls/ControlId.h"
#include "controls/LanguageSource.h"
#include "views/EditorRegistry.h"
#include "views/ViewIds.h"

#include <QCheckBox>
#include <QComboBox>

namespace {

constexpr FormControl kControls[] = {
    {CViewDos::kEnable, FormKind::Check, "DOS Enable", "enable"},
    {4669, FormKind::Label, "DOS Pre-Mute Duration[ms]"},
    {CViewDos::kPreMute, FormKind::Combo, "", "pre_mute_duration"},
    {4667, FormKind::Label, "DOS Post-Mute Duration[ms]"},
    {4668, FormKind::Combo},
};

}  // namespace

CViewDos::CViewDos(EditorContext& context, QWidget* parent)
    : CCustomFormView(*EditorRegistry::find(ViewCommand::kDos), context, parent)
{
}

FormTable CViewDos::controls() { return {Section::Dos, kControls}; }

void CViewDos::buildForm(QWidget* form)
{
    buildFormControls(form, controls(), bindings());
    form->setWindowTitle(QStringLiteral("DOS"));
}

void CViewDos::matchPreMute()
{
    auto* enable = findControlAs<QCheckBox>(form(), kEnable);
    auto* preMute = findControlAs<QComboBox>(form(), kPreMute);
    // A control the model disables stays disabled.
    if (enable && preMute)
        preMute->setEnabled(enable->isChecked() && context().language().modelFlag(kPreMute) == 0);
}

void CViewDos::loadControls(Record*) { matchPreMute(); }

void CViewDos::commit(int controlId)
{
    if (controlId == kEnable) matchPreMute();
    CCustomFormView::commit(controlId);
}
