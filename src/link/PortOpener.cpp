#include "link/PortOpener.h"

#include "link/PortList.h"
#include "link/SerialPort.h"

#include <cerrno>

std::unique_ptr<ITransport> SerialPortOpener::open(const std::string& port)
{
    m_denied.clear();
    std::string device = port;
    int number = 0;
    if (PortList::parseNumber(port, number)) device = PortList::deviceOf(number);
#ifdef _WIN32
    // "COM12" as Windows users write it.
    else if (const int com = PortList::comPortNumber(port)) device = PortList::windowsDeviceName(com);
#endif
    if (device.empty()) return nullptr;
    auto serial = std::make_unique<CSerialPort>();
    if (!serial->open(device)) {
#ifndef _WIN32
        if (serial->openError() == EACCES || serial->openError() == EPERM) m_denied = device;
#endif
        return nullptr;
    }
    return serial;
}
