#include "frame/CDlgInputPassword.h"

#include "controls/ControlId.h"
#include "controls/LanguageApply.h"
#include "frame/FrameHost.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

CDlgInputPassword::CDlgInputPassword(const IFrameHost& host, QWidget* parent) : QDialog(parent)
{
    setObjectName("dlgInputPassword");
    setWindowTitle(tr("Password"));
    auto* column = new QVBoxLayout(this);
    auto* label = new QLabel(tr("Radio password:"), this);
    setControlId(label, kEdit - 1);
    m_edit = new QLineEdit(this);
    setControlId(m_edit, kEdit);
    m_edit->setEchoMode(QLineEdit::Password);
    m_edit->setMaxLength(8);
    // Only the digits 0 to 9 reach the radio's password command.
    m_edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,8}"), m_edit));
    label->setBuddy(m_edit);
    column->addWidget(label);
    column->addWidget(m_edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    setControlId(buttons->button(QDialogButtonBox::Ok), 1);
    setControlId(buttons->button(QDialogButtonBox::Cancel), 2);
    column->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    applyLanguage(this, kTemplate, host);
}

QString CDlgInputPassword::password() const { return m_edit->text(); }
