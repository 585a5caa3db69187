#pragma once
// Program > Write to Several Radios...: the ports to write, the password
// the radios may ask for, and a row per radio with its progress, time and
// result while one session per port runs. The window stays responsive, and
// the dialog cannot be closed until every radio has finished, since a write
// cannot be stopped safely half way.
#include "app/GangWrite.h"
#include "frame/FrameHost.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTimer;

class CDlgWriteSeveral : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpId = 32965;

    struct PortChoice {
        std::string port;  // as the sessions open it: "1"-"16", a device path, "sim"
        QString label;
    };
    // Starts the sessions on the chosen ports (in list order) with the
    // password (may be empty) and returns them running.
    using Starter = std::function<std::unique_ptr<GangWrite>(const std::vector<std::string>&, const std::string&)>;

    CDlgWriteSeveral(const IFrameHost& host, std::vector<PortChoice> choices, Starter start,
                     QWidget* parent = nullptr);
    ~CDlgWriteSeveral() override;

    // The last batch of sessions (all have finished when exec() returns).
    const GangWrite* gang() const { return m_gang.get(); }
    // Every batch written while the dialog was open, oldest first: after a
    // batch the user may tick other radios (or give the password) and write
    // again.
    std::vector<const GangWrite*> batches() const;
    QListWidget* portList() const { return m_ports; }
    QLineEdit* addPortEdit() const { return m_addEdit; }
    QPushButton* addPortButton() const { return m_add; }
    QLineEdit* passwordEdit() const { return m_password; }
    QPushButton* writeButton() const { return m_write; }
    QTableWidget* table() const { return m_table; }
    QLabel* summary() const { return m_summary; }
    QPushButton* buttonBoxClose() const { return m_close; }

    // Refused while any radio is still being written.
    void reject() override;

signals:
    void helpRequested(int contextId);

private:
    void addPort(const std::string& port, const QString& label, bool checked);
    void updateWriteButton();
    void start();
    void refresh();
    bool running() const;
    void enableChoices(bool on);

    const IFrameHost& m_host;
    Starter m_start;
    QListWidget* m_ports;
    QLineEdit* m_addEdit;
    QPushButton* m_add;
    QLineEdit* m_password;
    QPushButton* m_write;
    QPushButton* m_close;
    QTableWidget* m_table;
    QLabel* m_summary;
    QTimer* m_timer;
    std::unique_ptr<GangWrite> m_gang;
    std::vector<std::unique_ptr<GangWrite>> m_earlier;
};
