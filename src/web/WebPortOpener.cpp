#include "web/WebPortOpener.h"

#include "sim/SimFactoryRadio.h"
#include "sim/SimTransport.h"
#include "web/WebSerialTransport.h"

WebPortOpener::WebPortOpener(std::function<const ModelValues&()> currentModel)
    : currentModel_(std::move(currentModel))
{
}

SimRadio& WebPortOpener::simulatedRadio()
{
    if (!sim_) {
        sim_ = std::make_unique<SimRadio>();
        const ModelValues& model = currentModel_();
        sim_->setIdentity(identityFor(model));
        sim_->setMemory(factoryMemory(model));
    }
    return *sim_;
}

std::unique_ptr<ITransport> WebPortOpener::open(const std::string& port)
{
    if (cancelled_) return nullptr;
    std::unique_ptr<ITransport> opened;
    if (port == "sim") opened = std::make_unique<SimTransport>(&simulatedRadio(), port, lineRate_);
    else if (port == WebSerialTransport::kPortName) opened = WebSerialTransport::open();
    // The numbered ports a session also tries do not exist in a browser.
    if (!opened) return nullptr;
    return std::make_unique<CancellableTransport>(std::move(opened), cancelled_, floor_);
}
