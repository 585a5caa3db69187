#pragma once
// The Communication Port dialog: sixteen numbered ports (those that cannot
// be opened are greyed), any serial device by its path, or the simulated
// radio built into the program.
#include "settings/TextIds.h"

#include <QDialog>
#include <functional>
#include <string>

class IFrameHost;
class QButtonGroup;
class QLineEdit;
class QRadioButton;

struct PortChoice {
    int number = 0;       // 1-16; 0 when a device or the simulated radio is chosen, or nothing
    std::string device;   // a device path, "sim", or "" for a numbered port
    bool operator==(const PortChoice&) const = default;
};

class CDlgComPort : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 150;
    static constexpr int kFirstPortButton = 1021;
    static constexpr int kSimulated = CapId::kSimulatedRadioPort;
    static constexpr int kDevicePath = CapId::kDevicePathPort;
    static constexpr int kDeviceEdit = 1063;

    struct Ports {
        // Whether numbered port n (1-16) can be opened now.
        std::function<bool(int)> available;
        // The device behind port n, to show beside its number ("" if none).
        std::function<std::string(int)> deviceOf;
    };

    CDlgComPort(const IFrameHost& host, const Ports& ports, const PortChoice& current, QWidget* parent = nullptr);

    // The choice the dialog was confirmed with.
    PortChoice choice() const;
    // The zero-based position of the chosen numbered port; -1 when none.
    int selectedIndex() const;

signals:
    void helpRequested(int contextId);

private:
    QButtonGroup* m_group;
    QRadioButton* m_sim;
    QRadioButton* m_path;
    QLineEdit* m_device;
};
