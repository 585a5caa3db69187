#include "desktop/SettingsFrameHost.h"

#include "frame/FrameIds.h"
#include "model/CCodeplugData.h"
#include "settings/SettingsManager.h"

SettingsFrameHost::SettingsFrameHost(CSettingsManager& settings, CCodeplugData& store)
    : m_settings(settings), m_store(store)
{
}

std::string SettingsFrameHost::caption(int id) const { return m_settings.caption(id); }
std::string SettingsFrameHost::message(int id) const { return m_settings.message(id); }
int SettingsFrameHost::languageIndex() const { return m_settings.languageIndex(); }
int SettingsFrameHost::modelFlag(int controlId) const { return m_settings.modelFlag(controlId); }
std::string SettingsFrameHost::modelName() const { return m_settings.modelName(); }
std::string SettingsFrameHost::freqRange() const { return m_settings.freqRange(); }
int SettingsFrameHost::comPort() const { return m_settings.comPort(); }
std::string SettingsFrameHost::portDevice() const { return m_settings.portDevice(); }
void SettingsFrameHost::setPortDevice(std::string device) { m_settings.setPortDevice(std::move(device)); }
int SettingsFrameHost::accessCode() const { return m_settings.accessCode(); }

int SettingsFrameHost::listCount(int treeId) const
{
    switch (treeId) {
    case TreeId::kChannel: return static_cast<int>(m_store.channels.size());
    case TreeId::kPersonality: return static_cast<int>(m_store.personalities.size());
    case TreeId::kScan: return static_cast<int>(m_store.scanLists.size());
    default: return -1;
    }
}
