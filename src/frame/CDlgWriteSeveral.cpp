#include "frame/CDlgWriteSeveral.h"

#include "app/OutcomeText.h"
#include "frame/FrameTextIds.h"
#include "frame/LangText.h"
#include "settings/TextIds.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kPortRole = Qt::UserRole;
enum Column { kPort, kProgress, kTime, kResult, kColumns };

}  // namespace

CDlgWriteSeveral::CDlgWriteSeveral(const IFrameHost& host, std::vector<PortChoice> choices, Starter start,
                                   QWidget* parent)
    : QDialog(parent), m_host(host), m_start(std::move(start))
{
    setObjectName("writeSeveralRadios");
    setWindowTitle(LangText::message(host, MsgId::kGangTitle, tr("Write to Several Radios")));
    auto* layout = new QVBoxLayout(this);

    auto* portsLabel = new QLabel(LangText::message(host, MsgId::kGangPorts, tr("&Radios on these ports:")), this);
    m_ports = new QListWidget(this);
    portsLabel->setBuddy(m_ports);
    layout->addWidget(portsLabel);
    layout->addWidget(m_ports, 1);

    auto* form = new QFormLayout;
    auto* addRow = new QHBoxLayout;
    m_addEdit = new QLineEdit(this);
    m_addEdit->setPlaceholderText("/dev/ttyUSB0");
    m_add = new QPushButton(LangText::message(host, MsgId::kGangAdd, tr("A&dd")), this);
    m_add->setEnabled(false);
    addRow->addWidget(m_addEdit, 1);
    addRow->addWidget(m_add);
    auto* addLabel = new QLabel(LangText::message(host, MsgId::kGangAddPort, tr("&Another port:")), this);
    addLabel->setBuddy(m_addEdit);
    form->addRow(addLabel, addRow);
    m_password = new QLineEdit(this);
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setMaxLength(8);
    m_password->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), m_password));
    form->addRow(LangText::message(host, MsgId::kGangPassword, tr("&Password (when the radios ask for one):")),
                 m_password);
    layout->addLayout(form);

    QStringList headings =
        LangText::message(host, MsgId::kGangColumns, tr("Port;Progress;Time;Result")).split(';');
    while (headings.size() < kColumns) headings << QString();
    m_table = new QTableWidget(0, kColumns, this);
    m_table->setHorizontalHeaderLabels(headings.mid(0, kColumns));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->setVisible(false);
    m_table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_table, 2);
    m_summary = new QLabel(this);
    layout->addWidget(m_summary);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close | QDialogButtonBox::Help, this);
    m_write = buttons->addButton(LangText::message(host, MsgId::kGangWrite, tr("&Write")), QDialogButtonBox::ActionRole);
    m_write->setEnabled(false);
    m_close = buttons->button(QDialogButtonBox::Close);
    layout->addWidget(buttons);
    for (const PortChoice& c : choices) addPort(c.port, c.label, false);

    m_timer = new QTimer(this);
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &CDlgWriteSeveral::refresh);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgWriteSeveral::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { emit helpRequested(kHelpId); });
    connect(m_write, &QPushButton::clicked, this, &CDlgWriteSeveral::start);
    connect(m_ports, &QListWidget::itemChanged, this, &CDlgWriteSeveral::updateWriteButton);
    connect(m_addEdit, &QLineEdit::textChanged, this,
            [this](const QString& t) { m_add->setEnabled(!running() && !t.trimmed().isEmpty()); });
    auto addTyped = [this] {
        const QString port = m_addEdit->text().trimmed();
        if (port.isEmpty() || running()) return;
        addPort(port.toStdString(), port, true);
        m_addEdit->clear();
    };
    connect(m_add, &QPushButton::clicked, this, addTyped);
    connect(m_addEdit, &QLineEdit::returnPressed, this, addTyped);
    resize(640, 480);
}

CDlgWriteSeveral::~CDlgWriteSeveral() = default;

void CDlgWriteSeveral::addPort(const std::string& port, const QString& label, bool checked)
{
    for (int i = 0; i < m_ports->count(); ++i) {
        QListWidgetItem* item = m_ports->item(i);
        if (item->data(kPortRole).toString().toStdString() == port) {
            if (checked) item->setCheckState(Qt::Checked);
            return;
        }
    }
    auto* item = new QListWidgetItem(label, m_ports);
    item->setData(kPortRole, QString::fromStdString(port));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    updateWriteButton();
}

void CDlgWriteSeveral::updateWriteButton()
{
    bool any = false;
    for (int i = 0; i < m_ports->count(); ++i) any = any || m_ports->item(i)->checkState() == Qt::Checked;
    m_write->setEnabled(!running() && any);
}

bool CDlgWriteSeveral::running() const { return m_gang && !m_gang->finished(); }

void CDlgWriteSeveral::enableChoices(bool on)
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_ports, m_addEdit, m_password, m_close}) w->setEnabled(on);
    m_add->setEnabled(on && !m_addEdit->text().trimmed().isEmpty());
    if (on) updateWriteButton();
    else m_write->setEnabled(false);
}

std::vector<const GangWrite*> CDlgWriteSeveral::batches() const
{
    std::vector<const GangWrite*> all;
    for (const auto& g : m_earlier) all.push_back(g.get());
    if (m_gang) all.push_back(m_gang.get());
    return all;
}

void CDlgWriteSeveral::start()
{
    if (running()) return;
    std::vector<std::string> ports;
    for (int i = 0; i < m_ports->count(); ++i)
        if (m_ports->item(i)->checkState() == Qt::Checked)
            ports.push_back(m_ports->item(i)->data(kPortRole).toString().toStdString());
    if (ports.empty()) return;
    auto gang = m_start(ports, m_password->text().toStdString());
    if (!gang) return;
    if (m_gang) m_earlier.push_back(std::move(m_gang));
    m_gang = std::move(gang);
    enableChoices(false);
    m_table->clearContents();
    m_table->setRowCount(static_cast<int>(m_gang->size()));
    for (std::size_t i = 0; i < m_gang->size(); ++i) {
        const int r = static_cast<int>(i);
        m_table->setItem(r, kPort, new QTableWidgetItem(QString::fromStdString(m_gang->port(i))));
        auto* bar = new QProgressBar(m_table);
        bar->setRange(0, 100);
        m_table->setCellWidget(r, kProgress, bar);
        m_table->setItem(r, kTime, new QTableWidgetItem);
        m_table->setItem(r, kResult, new QTableWidgetItem);
    }
    m_summary->setText(LangText::message(m_host, MsgId::kGangRunning,
                                         tr("Writing... The dialog can be closed once every radio has finished.")));
    refresh();
    m_timer->start();
}

void CDlgWriteSeveral::refresh()
{
    if (!m_gang) return;
    // Asked before the rows are filled: a radio finishing while they are
    // filled must not leave its row empty under the final summary.
    const bool finished = m_gang->finished();
    int written = 0;
    for (std::size_t i = 0; i < m_gang->size(); ++i) {
        const int r = static_cast<int>(i);
        const bool done = m_gang->done(i);
        const bool ok = done && m_gang->result(i).transfer.outcome.ok;
        written += ok ? 1 : 0;
        if (auto* bar = qobject_cast<QProgressBar*>(m_table->cellWidget(r, kProgress)))
            bar->setValue(ok ? 100 : m_gang->percent(i));
        // Each finished row is filled once.
        if (!done || !m_table->item(r, kResult)->text().isEmpty()) continue;
        const GangResult& result = m_gang->result(i);
        QString text;
        if (result.passwordMissing)
            text = LangText::message(m_host, MsgId::kGangNeedsPassword,
                                     tr("The radio asks for a password: enter it above and write again."));
        else
            text = QString::fromStdString(
                outcomeText(result.transfer.outcome, [this](int id) { return m_host.message(id); }).oneLine());
        if (text.isEmpty()) text = result.transfer.outcome.ok ? tr("OK") : tr("Failed");
        m_table->item(r, kResult)->setText(text);
        m_table->item(r, kResult)->setToolTip(text);
        m_table->item(r, kTime)->setText(QString::number(result.seconds, 'f', 1) + " s");
    }
    if (!finished) return;
    m_timer->stop();
    m_gang->wait();
    m_summary->setText(LangText::format(LangText::message(m_host, MsgId::kGangSummary, tr("%d of %d radios written.")),
                                        {QString::number(written), QString::number(m_gang->size())}));
    // The user may now tick other radios, or give the password, and write again.
    enableChoices(true);
    m_close->setDefault(true);
    m_close->setFocus();
}

void CDlgWriteSeveral::reject()
{
    // A write cannot be stopped safely half way: the dialog stays until
    // every radio has finished.
    if (m_gang && !m_gang->finished()) return;
    if (m_gang) m_gang->wait();
    QDialog::reject();
}
