#pragma once
// The ports the desktop program can reach: the serial devices by number or
// path, and "sim", a simulated radio inside the program, so everything can
// be tried without a radio.
#include "link/PortOpener.h"

#include <memory>

class SimRadio;

class GuiPortOpener : public IPortOpener {
public:
    GuiPortOpener();
    ~GuiPortOpener() override;

    std::unique_ptr<ITransport> open(const std::string& port) override;
    std::string lastDeniedDevice() const override { return m_denied; }
    SimRadio& simulatedRadio();

private:
    SerialPortOpener m_serial;
    std::string m_denied;
    std::unique_ptr<SimRadio> m_sim;
};
