#include "views/TToneSystemBasicPage.h"

#include "controls/ControlId.h"
#include "controls/RangeValueEdit.h"
#include "controls/SpinButtons.h"
#include "views/ViewIds.h"

namespace {

constexpr FormControl kControls[] = {
    {5453, FormKind::Label, "Pretime[s]"},
    {5454, FormKind::RangeEdit, "", "pretime"},
    {5456, FormKind::Label, "1st Tone Duration[s]"},
    {5457, FormKind::RangeEdit, "", "first_tone_duration"},
    {5459, FormKind::Label, "2nd Tone Duration[s]"},
    {5460, FormKind::RangeEdit, "", "second_tone_duration"},
    {5462, FormKind::Label, "Long Tone Duration[s]"},
    {5463, FormKind::RangeEdit, "", "long_tone_duration"},
    {5465, FormKind::Label, "Gap Time[s]"},
    {5466, FormKind::RangeEdit, "", "gap_time"},
    {5470, FormKind::Check, "Sidetone", "sidetone"},
    {5471, FormKind::Check, "Short Beep", "short_beep"},
};

// Edit ids; each spin's id is its edit's id plus one.
constexpr int kSpinEdits[] = {5454, 5457, 5460, 5463, 5466};

}  // namespace

CTToneSystemBasicPage::CTToneSystemBasicPage(const LanguageSource& language, QWidget* parent)
    : CQAVPropertyPage(FormId::kTwoToneBasic, language, parent)
{
}

FormTable CTToneSystemBasicPage::controls() { return {Section::TwoToneSystems, kControls}; }

void CTToneSystemBasicPage::buildPage()
{
    buildFormControls(this, controls(), bindings());
    for (int id : kSpinEdits) {
        auto* edit = findControlAs<CRangeValueEdit>(this, id);
        edit->setMaxLength(id == 5454 ? 5 : 3);
        auto* spin = CSpinButtons::attach(edit, id + 1);
        connect(spin, &CSpinButtons::stepped, this, [this](int editId) { commit(editId, 1); });
    }
}
