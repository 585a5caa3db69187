#include "frame/CDlgBackups.h"

#include "frame/FrameTextIds.h"
#include "frame/LangText.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

CDlgBackups::CDlgBackups(const IFrameHost& host, std::vector<BackupEntry> entries, const QString& folder,
                         QWidget* parent)
    : QDialog(parent), m_entries(std::move(entries))
{
    setWindowTitle(LangText::message(host, MsgId::kBackupsTitle, tr("Backups")));
    auto* layout = new QVBoxLayout(this);
    QStringList headings =
        LangText::message(host, MsgId::kBackupsColumns, tr("Time;Direction;Serial number;File")).split(';');
    while (headings.size() < 4) headings << QString();
    m_table = new QTableWidget(static_cast<int>(m_entries.size()), 4, this);
    m_table->setHorizontalHeaderLabels(headings.mid(0, 4));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->setVisible(false);
    // The file names say "read", "write" and "unknown"; the window says them in its language.
    QStringList kinds = LangText::message(host, MsgId::kBackupsKinds, tr("Read;Write")).split(';');
    while (kinds.size() < 2) kinds << QString();
    const QString noSerial = LangText::message(host, MsgId::kBackupsNoSerial, tr("unknown"));
    for (int r = 0; r < static_cast<int>(m_entries.size()); ++r) {
        const BackupEntry& e = m_entries[static_cast<std::size_t>(r)];
        QString kind = QString::fromStdString(e.kind);
        if (e.kind == "read" && !kinds[0].isEmpty()) kind = kinds[0];
        if (e.kind == "write" && !kinds[1].isEmpty()) kind = kinds[1];
        const QString serial = e.serial == "unknown" ? noSerial : QString::fromStdString(e.serial);
        const QString cells[] = {QString::fromStdString(e.time), kind, serial, QString::fromStdString(e.path)};
        for (int c = 0; c < 4; ++c) m_table->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);
    if (m_entries.empty()) {
        layout->addWidget(new QLabel(LangText::format(
            LangText::message(host, MsgId::kBackupsNone, tr("No backups have been kept yet (they go to %s).")),
            {folder})));
    }
    layout->addWidget(m_table);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close | QDialogButtonBox::Help, this);
    m_open = buttons->addButton(LangText::message(host, MsgId::kBackupsOpen, tr("&Open")), QDialogButtonBox::AcceptRole);
    m_open->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { emit helpRequested(kHelpId); });
    connect(m_table, &QTableWidget::itemSelectionChanged, this,
            [this] { m_open->setEnabled(!m_table->selectedItems().isEmpty()); });
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this] { accept(); });
    layout->addWidget(buttons);
    if (!m_entries.empty()) m_table->selectRow(0);
    resize(720, 360);
}

QString CDlgBackups::chosenPath() const
{
    const int row = m_table->currentRow();
    if (row < 0 || row >= static_cast<int>(m_entries.size()) || m_table->selectedItems().isEmpty()) return {};
    return QString::fromStdString(m_entries[static_cast<std::size_t>(row)].path);
}
