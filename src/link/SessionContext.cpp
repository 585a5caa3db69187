#include "link/SessionContext.h"

#include "link/PortList.h"
#include "settings/SettingsManager.h"

std::string SessionContext::configuredPort() const
{
    return port.empty() ? std::to_string(settings.comPort()) : port;
}

void SessionContext::rememberPort(const std::string& found)
{
    int number = 0;
    if (PortList::parseNumber(found, number)) settings.setComPort(number);
    port = found;
}
