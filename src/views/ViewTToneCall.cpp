#include "views/ViewTToneCall.h"

#include "controls/ControlId.h"
#include "controls/LanguageSource.h"
#include "controls/RangeValueEdit.h"
#include "controls/SpinButtons.h"
#include "views/EditorRegistry.h"
#include "views/ViewIds.h"

#include <QComboBox>

namespace {

constexpr FormControl kControls[] = {
    {5413, FormKind::Label, "Two-Tone System"},
    {CViewTToneCall::kSystem, FormKind::Combo, "", "system"},
    {5405, FormKind::Label, "Call Format"},
    {5403, FormKind::Combo, "", "call_format"},
    {5410, FormKind::Label, "1st Tone[Hz]"},
    {5408, FormKind::RangeEdit, "", "first_tone"},
    {5406, FormKind::Label, "2nd Tone[Hz]"},
    {5409, FormKind::RangeEdit, "", "second_tone"},
    {5411, FormKind::Label, "Revert Channel"},
    {CViewTToneCall::kRevertChannel, FormKind::Combo, "", "revert_channel"},
    {5407, FormKind::Check, "Strip CTCSS/CDCSS", "strip_ctcss_cdcss"},
};

constexpr int kNoChannelText = 5412;

}  // namespace

CViewTToneCall::CViewTToneCall(EditorContext& context, QWidget* parent)
    : CCustomFormView(*EditorRegistry::find(ViewCommand::kTwoToneCall), context, parent)
{
}

FormTable CViewTToneCall::controls() { return {Section::TwoToneCalls, kControls}; }

void CViewTToneCall::buildForm(QWidget* form)
{
    buildFormControls(form, controls(), bindings());
    form->setWindowTitle(QStringLiteral("Two-Tone Call"));
    for (auto [edit, spin] : {std::pair{5408, 5415}, std::pair{5409, 5416}}) {
        auto* e = findControlAs<CRangeValueEdit>(form, edit);
        e->setMaxLength(6);
        connect(CSpinButtons::attach(e, spin), &CSpinButtons::stepped, this, [this](int id) { commit(id); });
    }
}

void CViewTToneCall::fillLists()
{
    auto refill = [this](int id, const QString& none, int count, int firstValue) {
        auto* combo = findControlAs<QComboBox>(form(), id);
        if (!combo) return;
        const QSignalBlocker quiet(combo);
        combo->clear();
        if (!none.isNull()) combo->addItem(none, 0);
        for (int i = 0; i < count; ++i) combo->addItem(QString::number(i + 1), firstValue + i);
    };
    auto count = [this](Section id) {
        SectionAccess* s = context().section(id);
        return s ? s->count() : 0;
    };
    // Systems are numbered from 1 and stored by position.
    refill(kSystem, QString(), count(Section::TwoToneSystems), 0);
    // Channels are stored by their number; 0 is none.
    const std::string none = context().language().caption(kNoChannelText);
    refill(kRevertChannel, none.empty() ? QStringLiteral("None") : QString::fromStdString(none),
           count(Section::Channels), 1);
}

void CViewTToneCall::loadControls(Record* record)
{
    fillLists();
    // The lists were refilled after the binders loaded: show the stored choices again.
    if (!record) return;
    for (const auto& binder : bindings().binders())
        if (binder->control() == findControl(form(), kSystem) || binder->control() == findControl(form(), kRevertChannel))
            binder->load(*record);
}

void CViewTToneCall::onNotice(const ChangeNotice& notice)
{
    // Another editor added or deleted a channel or a system: the choices follow.
    const bool lists = notice.section == Section::Channels || notice.section == Section::TwoToneSystems;
    if (lists && (notice.action == NoticeAction::kAdded || notice.action == NoticeAction::kDeleted)) {
        save();
        reloadControls();
    }
}
