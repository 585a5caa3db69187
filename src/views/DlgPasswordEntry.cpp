#include "views/DlgPasswordEntry.h"

#include "controls/CharFilterEdit.h"
#include "controls/ControlId.h"
#include "controls/DialogButtons.h"
#include "controls/LanguageApply.h"
#include "views/ViewIds.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kPasswordLabel = 6360;
constexpr int kPasswordEdit = 6361;
}  // namespace

CDlgPasswordEntry::CDlgPasswordEntry(const LanguageSource& language, int limit, QWidget* parent)
    : QDialog(parent), edit_(new CCharFilterEdit(kDecimalDigits, this)), limit_(limit == 5 ? 5 : 8)
{
    setWindowTitle(QStringLiteral("Password"));
    auto* label = new QLabel(QStringLiteral("Password"), this);
    setControlId(label, kPasswordLabel);
    label->setBuddy(edit_);
    edit_->setMaxLength(limit_);
    edit_->setEchoMode(QLineEdit::Password);
    setControlId(edit_, kPasswordEdit);

    auto* buttons = makeDialogButtons(this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(edit_);
    layout->addWidget(buttons);
    applyLanguage(this, FormId::kPasswordEntry, language);
}

QString CDlgPasswordEntry::password() const { return edit_->text(); }

void CDlgPasswordEntry::accept()
{
    if (limit_ == 5 && edit_->text().size() != 5) {
        edit_->clear();
        edit_->setFocus();
        return;
    }
    QDialog::accept();
}
