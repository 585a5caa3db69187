#include "frame/CDlgLanguage.h"

#include "controls/ControlId.h"
#include "controls/DialogButtons.h"
#include "controls/LanguageApply.h"
#include "frame/FrameHost.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CDlgLanguage::CDlgLanguage(const IFrameHost& host, const std::vector<std::string>& names, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("dlgLanguage");
    setWindowTitle(tr("Language"));
    auto* column = new QVBoxLayout(this);
    auto* label = new QLabel(tr("Language:"), this);
    setControlId(label, kCombo - 1);
    m_combo = new QComboBox(this);
    setControlId(m_combo, kCombo);
    for (const std::string& n : names) m_combo->addItem(QString::fromStdString(n));
    const int current = host.languageIndex();
    m_combo->setCurrentIndex(current >= 0 && current < m_combo->count() ? current : -1);
    label->setBuddy(m_combo);
    column->addWidget(label);
    column->addWidget(m_combo);
    auto* buttons = makeDialogButtons(this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help,
                                      [this] { emit helpRequested(kTemplate); });
    column->addWidget(buttons);
    applyLanguage(this, kTemplate, host);
}

int CDlgLanguage::selectedIndex() const { return m_combo->currentIndex(); }
