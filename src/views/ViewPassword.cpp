#include "views/ViewPassword.h"

#include "controls/CharFilterEdit.h"
#include "controls/ControlId.h"
#include "model/PasswordRecord.h"
#include "model/SectionFields.h"
#include "views/DlgPasswordEntry.h"
#include "views/FormTable.h"
#include "views/EditorRegistry.h"
#include "views/ViewIds.h"

#include <QPushButton>

namespace {

constexpr int kPowerOnEdit = 6353;
constexpr int kWriteEdit = 6355;
constexpr int kReadEdit = 6357;
constexpr int kChangeButton = 6358;

constexpr FormControl kControls[] = {
    {6352, FormKind::Label, "Radio Power on/keylock Password"},
    {kPowerOnEdit, FormKind::DigitEdit, "", "power_on_password"},
    {6354, FormKind::Label, "Radio Write/Tune/Dealer Data Password "},
    // Shown, but set only through the button's password dialog.
    {kWriteEdit, FormKind::DigitEdit, "", "write_password"},
    {kChangeButton, FormKind::Button, "..."},
    {6356, FormKind::Label, "Radio Read Data Password"},
    {kReadEdit, FormKind::DigitEdit, "", "read_password"},
};

}  // namespace

CViewPassword::CViewPassword(EditorContext& context, QWidget* parent)
    : CCustomFormView(*EditorRegistry::find(ViewCommand::kPassword), context, parent)
{
    asker_ = [this](QWidget* parentWidget) -> std::optional<QString> {
        CDlgPasswordEntry dialog(this->context().language(), 8, parentWidget);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.password();
    };
}

FormTable CViewPassword::controls() { return {Section::Password, kControls}; }

void CViewPassword::buildForm(QWidget* form)
{
    buildFormControls(form, controls(), bindings());
    form->setWindowTitle(QStringLiteral("Password"));
    for (int id : {kPowerOnEdit, kWriteEdit, kReadEdit}) {
        if (auto* edit = findControlAs<CCharFilterEdit>(form, id)) edit->setMaxLength(int(PasswordField::kLength));
    }
    if (auto* edit = findControlAs<CCharFilterEdit>(form, kWriteEdit)) edit->setReadOnly(true);
    if (auto* button = findControlAs<QPushButton>(form, kChangeButton)) {
        connect(button, &QPushButton::clicked, this, &CViewPassword::changeWritePassword);
    }
}

void CViewPassword::commit(int controlId)
{
    // The button's own click handler does the work (and its own commit).
    if (controlId == kChangeButton) return;
    CCustomFormView::commit(controlId);
}

void CViewPassword::changeWritePassword()
{
    std::optional<QString> entered = asker_ ? asker_(this) : std::nullopt;
    auto* edit = findControlAs<CCharFilterEdit>(form(), kWriteEdit);
    if (entered && edit) edit->setText(entered->left(int(PasswordField::kLength)));
    // Whatever the answer, all three are saved and shown again.
    commit(kWriteEdit);
    reloadControls();
}
