#pragma once
// The backups window (File > Backups...): the images kept from radio reads
// and writes, newest first; Open opens the chosen one like any codeplug file.
#include "app/BackupStore.h"
#include "frame/FrameHost.h"

#include <QDialog>

#include <vector>

class QTableWidget;
class QPushButton;

class CDlgBackups : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpId = 32964;

    CDlgBackups(const IFrameHost& host, std::vector<BackupEntry> entries, const QString& folder,
                QWidget* parent = nullptr);

    // The chosen backup's file; empty when none is chosen.
    QString chosenPath() const;
    QTableWidget* table() const { return m_table; }

signals:
    void helpRequested(int contextId);

private:
    std::vector<BackupEntry> m_entries;
    QTableWidget* m_table;
    QPushButton* m_open;
};
