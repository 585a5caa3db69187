#include "frame/CDlgComPort.h"

#include "controls/ControlId.h"
#include "controls/DialogButtons.h"
#include "controls/LanguageApply.h"
#include "frame/FrameHost.h"
#include "frame/LangText.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CDlgComPort::CDlgComPort(const IFrameHost& host, const Ports& ports, const PortChoice& current, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("dlgComPort");
    setWindowTitle(tr("Communication Port"));
    auto* column = new QVBoxLayout(this);

    auto* box = new QGroupBox(LangText::caption(host, 1020, "Port"), this);
    setControlId(box, 1020);
    auto* grid = new QGridLayout(box);
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    for (int n = 1; n <= 16; ++n) {
        QString text = QString("COM%1").arg(n);
        const std::string device = ports.deviceOf ? ports.deviceOf(n) : std::string();
        auto* b = new QRadioButton(text, box);
        setControlId(b, kFirstPortButton + n - 1);
        if (!device.empty()) b->setToolTip(QString::fromStdString(device));
        const bool ok = ports.available && ports.available(n);
        b->setEnabled(ok);
        m_group->addButton(b, n - 1);
        grid->addWidget(b, (n - 1) % 8, (n - 1) / 8);
    }
    column->addWidget(box);

    m_sim = new QRadioButton(tr("Simulated radio (built in)"), this);
    setControlId(m_sim, kSimulated);
    m_path = new QRadioButton(tr("Serial device:"), this);
    setControlId(m_path, kDevicePath);
    m_device = new QLineEdit(this);
    m_device->setObjectName("dlgComPortDevice");
    setControlId(m_device, kDeviceEdit);
    m_device->setPlaceholderText("/dev/ttyUSB0");
    m_group->addButton(m_sim, 100);
    m_group->addButton(m_path, 101);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(m_path);
    pathRow->addWidget(m_device, 1);
    column->addWidget(m_sim);
    column->addLayout(pathRow);

    auto* buttons = makeDialogButtons(this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help,
                                      [this] { emit helpRequested(kTemplate); });
    column->addWidget(buttons);
    connect(m_device, &QLineEdit::textEdited, this, [this] { m_path->setChecked(true); });

    applyLanguage(this, kTemplate, host);

    // The current port is selected when it can still be opened.
    if (current.device == "sim") {
        m_sim->setChecked(true);
    } else if (!current.device.empty()) {
        m_path->setChecked(true);
        m_device->setText(QString::fromStdString(current.device));
    } else if (QAbstractButton* b = m_group->button(current.number - 1); b && b->isEnabled()) {
        b->setChecked(true);
    }
}

int CDlgComPort::selectedIndex() const
{
    const int id = m_group->checkedId();
    return id >= 0 && id < 16 ? id : -1;
}

PortChoice CDlgComPort::choice() const
{
    const int id = m_group->checkedId();
    if (id == 100) return {0, "sim"};
    if (id == 101) {
        const QString path = m_device->text().trimmed();
        return {0, path.toStdString()};
    }
    return {selectedIndex() + 1, {}};
}
