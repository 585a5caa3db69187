#include "desktop/GuiPortOpener.h"

#include "sim/SimRadio.h"
#include "sim/SimTransport.h"

GuiPortOpener::GuiPortOpener() = default;
GuiPortOpener::~GuiPortOpener() = default;

SimRadio& GuiPortOpener::simulatedRadio()
{
    if (!m_sim) m_sim = std::make_unique<SimRadio>();
    return *m_sim;
}

std::unique_ptr<ITransport> GuiPortOpener::open(const std::string& port)
{
    m_denied.clear();
    if (port == "sim") return std::make_unique<SimTransport>(&simulatedRadio(), "sim");
    auto serial = m_serial.open(port);
    m_denied = m_serial.lastDeniedDevice();
    return serial;
}
