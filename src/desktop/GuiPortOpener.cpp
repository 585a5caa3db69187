#include "desktop/GuiPortOpener.h"

#include "settings/ModelValues.h"
#include "sim/SimFactoryRadio.h"
#include "sim/SimTransport.h"

GuiPortOpener::GuiPortOpener(std::function<const ModelValues*()> currentModel)
    : m_currentModel(std::move(currentModel))
{
}

GuiPortOpener::~GuiPortOpener() = default;

SimRadio& GuiPortOpener::simulatedRadio()
{
    if (m_sim) return *m_sim;
    m_sim = std::make_unique<SimRadio>();
    if (const ModelValues* model = m_currentModel ? m_currentModel() : nullptr) {
        m_sim->setIdentity(identityFor(*model, m_sim->identity()));
        m_sim->setMemory(factoryMemory(*model));
    }
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
