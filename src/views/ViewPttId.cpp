#include "views/ViewPttId.h"

#include "controls/Binders.h"
#include "controls/CharFilterEdit.h"
#include "controls/ControlId.h"
#include "model/PttIdValues.h"
#include "views/EditorRegistry.h"
#include "views/ViewIds.h"

#include <QCheckBox>

namespace {

const QString kIdChars = QStringLiteral("0123456789abcdeABCDE");

constexpr FormControl kControls[] = {
    {1660, FormKind::Label, "Primary ID"},
    {CViewQFX12PTTID::kPrimaryId, FormKind::DigitEdit},
    {1662, FormKind::Label, "Group ID"},
    {CViewQFX12PTTID::kGroupId, FormKind::DigitEdit},
    {1664, FormKind::Label, "PTT-ID Type"},
    {1665, FormKind::Combo, "", "type"},
    {1666, FormKind::Label, "Pre-Time[ms]"},
    {1667, FormKind::Combo, "", "pre_time"},
    {1668, FormKind::Label, "Preamble Bit Sync"},
    {1669, FormKind::Combo, "", "preamble_bit_sync"},
    {CViewQFX12PTTID::kSideTone, FormKind::Check, "Side Tone"},
    {CViewQFX12PTTID::kShortBeep, FormKind::Check, "Short Beep"},
};

// The record keeps the switch off as 1.
class InvertedCheckBinder : public FieldBinder {
public:
    InvertedCheckBinder(QCheckBox* check, const BoundField& field) : FieldBinder(check, field), check_(check) {}
    void load(const Record& r) override { check_->setChecked(readField(r, field()) == 0); }
    void save(Record& r) override { writeField(r, field(), check_->isChecked() ? 0 : 1); }
    void clear() override { check_->setChecked(false); }

private:
    QCheckBox* check_;
};

// The primary id: shown as the radio can send it, stored as typed after
// the same correction.
class PrimaryIdBinder : public FieldBinder {
public:
    PrimaryIdBinder(QLineEdit* edit, const BoundField& field) : FieldBinder(edit, field), edit_(edit) {}
    void load(const Record& r) override
    {
        const auto id = PttIdValues::sendablePrimaryId(static_cast<std::uint16_t>(readField(r, field())));
        edit_->setText(QString::fromStdString(PttIdValues::primaryIdText(id)));
    }
    void save(Record& r) override
    {
        // An id shown as loaded keeps its stored value: looking is not editing.
        const auto stored = static_cast<std::uint16_t>(readField(r, field()));
        if (edit_->text() == QString::fromStdString(PttIdValues::primaryIdText(PttIdValues::sendablePrimaryId(stored))))
            return;
        writeField(r, field(), PttIdValues::primaryIdOfText(edit_->text().toStdString()));
    }
    void clear() override { edit_->clear(); }

private:
    QLineEdit* edit_;
};

}  // namespace

CViewQFX12PTTID::CViewQFX12PTTID(EditorContext& context, QWidget* parent)
    : CCustomFormView(*EditorRegistry::find(ViewCommand::kPttId), context, parent)
{
}

FormTable CViewQFX12PTTID::controls() { return {Section::PttId, kControls}; }

void CViewQFX12PTTID::buildForm(QWidget* form)
{
    buildFormControls(form, controls(), bindings());
    form->setWindowTitle(QStringLiteral("QFX1200 PTT-ID"));
    auto* primary = findControlAs<CCharFilterEdit>(form, kPrimaryId);
    auto* group = findControlAs<CCharFilterEdit>(form, kGroupId);
    for (auto [edit, length] : {std::pair{primary, 4}, std::pair{group, 3}}) {
        edit->setAllowedChars(kIdChars);
        edit->setMaxLength(length);
    }
    group->setText(QStringLiteral("001"));
    if (const BoundField* f = findBoundField(Section::PttId, "primary_id"))
        bindings().add(std::make_unique<PrimaryIdBinder>(primary, *f));
    for (auto [id, name] : {std::pair{kSideTone, "side_tone_off"}, std::pair{kShortBeep, "short_beep_off"}}) {
        auto* check = findControlAs<QCheckBox>(form, id);
        if (const BoundField* f = findBoundField(Section::PttId, name); f && check)
            bindings().add(std::make_unique<InvertedCheckBinder>(check, *f));
    }
}

void CViewQFX12PTTID::commit(int controlId)
{
    if (controlId == kGroupId) {
        // Shown corrected; nothing of the record changes.
        if (auto* edit = findControlAs<QLineEdit>(form(), kGroupId))
            edit->setText(QString::fromStdString(PttIdValues::groupIdText(edit->text().toStdString())));
        return;
    }
    if (controlId == kPrimaryId) {
        // Corrected before it is stored, so the change log sees what is kept.
        if (auto* edit = findControlAs<QLineEdit>(form(), kPrimaryId)) {
            const auto id = PttIdValues::primaryIdOfText(edit->text().toStdString());
            edit->setText(QString::fromStdString(PttIdValues::primaryIdText(id)));
        }
    }
    CCustomFormView::commit(controlId);
}
