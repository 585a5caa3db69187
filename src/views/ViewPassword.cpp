#include "views/ViewPassword.h"

#include "controls/CharFilterEdit.h"
#include "controls/ControlId.h"
#include "model/PasswordRecord.h"
#include "views/DlgPasswordEntry.h"
#include "views/FormTable.h"
#include "views/ViewIds.h"

#include <QPushButton>

namespace {

constexpr int kPowerOnEdit = 6353;
constexpr int kWriteEdit = 6355;
constexpr int kReadEdit = 6357;
constexpr int kChangeButton = 6358;

constexpr FormControl kTable[] = {
    {6352, FormKind::Label, "Radio Power on/keylock Password"},
    {kPowerOnEdit, FormKind::DigitEdit},
    {6354, FormKind::Label, "Radio Write/Tune/Dealer Data Password "},
    {kWriteEdit, FormKind::DigitEdit},
    {kChangeButton, FormKind::Button, "..."},
    {6356, FormKind::Label, "Radio Read Data Password"},
    {kReadEdit, FormKind::DigitEdit},
};

}  // namespace

CViewPassword::CViewPassword(EditorContext& context, QWidget* parent)
    : CCustomFormView(FormId::kPassword, ViewCommand::kPassword, SectionId::Password, context, parent)
{
    asker_ = [this](QWidget* parentWidget) -> std::optional<QString> {
        CDlgPasswordEntry dialog(this->context().language(), 8, parentWidget);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.password();
    };
}

CViewPassword::~CViewPassword() { save(); }

void CViewPassword::buildForm(QWidget* form)
{
    buildFormControls(form, kTable);
    form->setWindowTitle(QStringLiteral("Password"));
    for (int id : {kPowerOnEdit, kWriteEdit, kReadEdit}) {
        if (auto* edit = findControlAs<CCharFilterEdit>(form, id)) edit->setMaxLength(int(PasswordField::kLength));
    }
    if (auto* edit = findControlAs<CCharFilterEdit>(form, kWriteEdit)) edit->setReadOnly(true);
    if (auto* button = findControlAs<QPushButton>(form, kChangeButton)) {
        connect(button, &QPushButton::clicked, this, &CViewPassword::changeWritePassword);
    }
}

void CViewPassword::loadControls(Record* record)
{
    auto show = [this, record](int id, Offset off) {
        const QString text = record ? QString::fromLatin1(passwordText(*record, off).c_str()) : QString();
        if (auto* edit = findControlAs<CCharFilterEdit>(form(), id)) edit->setText(text);
        return text;
    };
    show(kPowerOnEdit, PasswordField::PowerOn);
    writePassword_ = show(kWriteEdit, PasswordField::Write);
    show(kReadEdit, PasswordField::Read);
}

void CViewPassword::saveControls(Record& record)
{
    auto text = [this](int id) {
        auto* edit = findControlAs<CCharFilterEdit>(form(), id);
        return edit ? edit->text().toLatin1().toStdString() : std::string();
    };
    setPasswordText(record, PasswordField::PowerOn, text(kPowerOnEdit));
    // The write password comes from the password dialog only.
    setPasswordText(record, PasswordField::Write, writePassword_.toLatin1().toStdString());
    setPasswordText(record, PasswordField::Read, text(kReadEdit));
}

void CViewPassword::commit(int controlId)
{
    // The button's own click handler does the work (and its own commit).
    if (controlId == kChangeButton) return;
    CCustomFormView::commit(controlId);
}

void CViewPassword::changeWritePassword()
{
    if (asker_) {
        if (std::optional<QString> entered = asker_(this)) writePassword_ = entered->left(int(PasswordField::kLength));
    }
    if (Record* r = currentRecord()) {
        saveControls(*r);
        reloadControls();
        announce(editNotice(kWriteEdit));
    }
}
