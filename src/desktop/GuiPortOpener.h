#pragma once
// The ports the desktop program can reach: the serial devices by number or
// path, and "sim", a simulated radio inside the program, so everything can
// be tried without a radio. The simulated radio is made on first use as the
// factory ships the current model and range, and keeps what is written to
// it until the program ends.
#include "link/PortOpener.h"

#include <functional>
#include <memory>

class SimRadio;
struct ModelValues;

class GuiPortOpener : public IPortOpener {
public:
    // `currentModel` gives the model the simulated radio is made as; it
    // answers as its built-in radio when there is none.
    explicit GuiPortOpener(std::function<const ModelValues*()> currentModel = {});
    ~GuiPortOpener() override;

    std::unique_ptr<ITransport> open(const std::string& port) override;
    std::string lastDeniedDevice() const override { return m_denied; }
    SimRadio& simulatedRadio();

private:
    SerialPortOpener m_serial;
    std::string m_denied;
    std::function<const ModelValues*()> m_currentModel;
    std::unique_ptr<SimRadio> m_sim;
};
