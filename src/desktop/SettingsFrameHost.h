#pragma once
// The main window's view of the program: texts and current values from the
// settings manager (the port chosen by device path or as the simulated radio
// included) and record counts from the section store.
#include "frame/FrameHost.h"

class CCodeplugData;
class CSettingsManager;

class SettingsFrameHost : public IFrameHost {
public:
    SettingsFrameHost(CSettingsManager& settings, CCodeplugData& store);

    std::string caption(int id) const override;
    std::string message(int id) const override;
    int languageIndex() const override;
    int modelFlag(int controlId) const override;
    std::string modelName() const override;
    std::string freqRange() const override;
    int comPort() const override;
    std::string portDevice() const override;
    int accessCode() const override;
    int listCount(int treeId) const override;

    void setPortDevice(std::string device);

private:
    CSettingsManager& m_settings;
    CCodeplugData& m_store;
};
