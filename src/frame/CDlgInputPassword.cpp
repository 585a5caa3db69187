#include "frame/CDlgInputPassword.h"

#include "controls/ControlId.h"
#include "controls/DialogButtons.h"
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
    column->addWidget(makeDialogButtons(this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));
    applyLanguage(this, kTemplate, host);
}

QString CDlgInputPassword::password() const { return m_edit->text(); }
