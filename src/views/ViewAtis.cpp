#include "views/ViewAtis.h"

#include "views/EditorRegistry.h"
#include "views/ViewIds.h"

namespace {

constexpr FormControl kControls[] = {
    {4594, FormKind::Label, "ATIS Code"},
    {CViewAtis::kCode, FormKind::BcdEdit, "", "code"},
    {4591, FormKind::Label, "Pre-Time[ms]"},
    {4592, FormKind::Combo, "", "pre_time"},
};

}  // namespace

CViewAtis::CViewAtis(EditorContext& context, QWidget* parent)
    : CCustomFormView(*EditorRegistry::find(ViewCommand::kAtis), context, parent)
{
}

FormTable CViewAtis::controls() { return {Section::Atis, kControls}; }

void CViewAtis::buildForm(QWidget* form)
{
    buildFormControls(form, controls(), bindings());
    form->setWindowTitle(QStringLiteral("ATIS"));
}
