#pragma once
// Opens a port by the name the user gave: a number 1-16, a device path, or
// whatever a substitute opener understands (the simulated radio's "sim").
// The radio link asks it for every port it tries while looking for the radio.
#include "link/Transport.h"

#include <memory>
#include <string>
#include <utility>

class IPortOpener {
public:
    virtual ~IPortOpener() = default;
    // nullptr when the port does not exist or cannot be opened.
    virtual std::unique_ptr<ITransport> open(const std::string& port) = 0;
    // The device the last failed open() was refused by its permissions
    // (the user is not in the group that owns serial devices); "" when the
    // last open worked or failed for another reason.
    virtual std::string lastDeniedDevice() const { return {}; }
};

// Real serial devices: numbers map through PortList, anything else is a path.
class SerialPortOpener : public IPortOpener {
public:
    std::unique_ptr<ITransport> open(const std::string& port) override;
    std::string lastDeniedDevice() const override { return m_denied; }

private:
    std::string m_denied;
};

// Opens only the one port it was made for and refuses every other name, so
// a session that does not find its radio there never goes looking on the
// other ports (where, when several radios are programmed at once, it would
// find and program another session's radio).
class OnePortOpener : public IPortOpener {
public:
    OnePortOpener(IPortOpener& inner, std::string port) : m_inner(inner), m_port(std::move(port)) {}
    std::unique_ptr<ITransport> open(const std::string& port) override
    {
        return port == m_port ? m_inner.open(port) : nullptr;
    }
    std::string lastDeniedDevice() const override { return m_inner.lastDeniedDevice(); }

private:
    IPortOpener& m_inner;
    std::string m_port;
};
