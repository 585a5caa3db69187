#include "link/SessionContext.h"

#include "settings/AcceptedModel.h"
#include "settings/SettingsManager.h"

SessionBaseline SessionBaseline::of(const CSettingsManager& settings)
{
    return SessionBaseline{settings.model(), settings.identifier(AcceptedModel::kIdentifierText), settings.comPort(),
                           settings.isExtendedAccess()};
}

SessionContext::SessionContext(IPortOpener& ports, const CSettingsManager& settings, IPrompt& prompt,
                               std::string port, LinkTiming timing, std::function<void(int)> progress)
    : ports(ports), current(SessionBaseline::of(settings)), prompt(prompt), port(std::move(port)), timing(timing),
      progress(std::move(progress))
{
}

std::string SessionContext::configuredPort() const
{
    return port.empty() ? std::to_string(current.comPort) : port;
}
