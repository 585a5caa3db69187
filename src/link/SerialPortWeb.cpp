#include "link/SerialPort.h"

// A page reaches serial ports only through Web Serial, by the user's grant
// (the page's port "serial", src/web): there are no device paths to open.
bool CSerialPort::isOpen() const { return false; }

CSerialPort::~CSerialPort() = default;

bool CSerialPort::open(const std::string&)
{
    m_openError = 0;
    return false;
}

bool CSerialPort::close() { return true; }

bool CSerialPort::setLine(int, int, Parity, StopBits) { return false; }

void CSerialPort::purge() {}

std::size_t CSerialPort::write(const std::uint8_t*, std::size_t) { return 0; }

std::size_t CSerialPort::read(std::uint8_t*, std::size_t)
{
    m_timedOut = false;
    return 0;
}
