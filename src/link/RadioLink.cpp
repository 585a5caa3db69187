#include "link/RadioLink.h"

#include "link/ExactPauses.h"
#include "link/Pause.h"
#include "link/PortList.h"

#include <algorithm>
#include <chrono>

int compareVersions(const std::string& radio, const std::string& reference)
{
    // Only the major digit decides: a newer minor version is still compatible.
    unsigned char r = radio.empty() ? 0 : static_cast<unsigned char>(radio[0]);
    unsigned char ref = reference.empty() ? 0 : static_cast<unsigned char>(reference[0]);
    if (r == ref) return 0;
    return r > ref ? 1 : 2;
}

namespace {

// A text field of the identity: ends at the first 0x00; trailing blanks are
// padding.
std::string fieldText(const std::uint8_t* p, std::size_t n)
{
    std::size_t len = 0;
    while (len < n && p[len] != 0) ++len;
    std::string s(reinterpret_cast<const char*>(p), len);
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

}  // namespace

CRadioLink::CRadioLink(IPortOpener& ports, LinkTiming timing) : m_ports(ports), m_timing(timing) {}

CRadioLink::~CRadioLink()
{
    close();
}

void CRadioLink::sleepMs(unsigned ms) const
{
    if (!ms) return;
    thread_local const bool requested = (requestExactPauses(), true);
    (void)requested;
    pauseFor(std::chrono::milliseconds(ms));
}

void CRadioLink::close()
{
    if (m_port) m_port->close();
    m_port.reset();
}

bool CRadioLink::isOpen() const
{
    return m_port && m_port->isOpen();
}

std::string CRadioLink::portName() const
{
    return m_port ? m_port->name() : std::string();
}

bool CRadioLink::openPort(const std::string& port)
{
    close();
    m_port = m_ports.open(port);
    if (!m_port) {
        if (m_denied.empty()) m_denied = m_ports.lastDeniedDevice();
        return false;
    }
    m_port->setLine(Proto::kBaud, Proto::kDataBits, Parity::Odd, StopBits::Two);
    m_port->setReadTimeout(m_timing.replyTimeoutMs);
    // The radio's interface needs a moment after the modem lines come up.
    sleepMs(m_timing.connectSleepMs);
    return true;
}

std::string CRadioLink::connect(const std::string& configuredPort)
{
    m_denied.clear();
    if (!configuredPort.empty() && openPort(configuredPort) && handshake(m_timing.handshakeTries))
        return configuredPort;
    close();
    for (int p = PortList::kFirstPort; p <= PortList::kLastPort; ++p) {
        std::string port = std::to_string(p);
        if (!openPort(port)) continue;
        if (handshake(1)) return port;
        close();
    }
    return {};
}

bool CRadioLink::connectTo(const std::string& port)
{
    m_denied.clear();
    if (openPort(port) && handshake(m_timing.handshakeTries)) return true;
    close();
    return false;
}

bool CRadioLink::exchange(const Proto::Bytes& request, Proto::Bytes& reply)
{
    m_port->purge();
    std::size_t written = m_port->write(request.data(), request.size());
    sleepMs(m_timing.exchangeSleepMs);
    std::size_t got = written == request.size() ? m_port->read(reply.data(), reply.size()) : 0;
    bool full = got == reply.size();
    if (onExchange) onExchange(request, reply.size(), full);
    return full;
}

bool CRadioLink::transaction(const Proto::Bytes& request, Proto::Bytes& reply)
{
    if (!isOpen()) return false;
    for (int i = 0; i < m_timing.exchangesPerTransaction; ++i)
        if (exchange(request, reply)) return true;
    return false;
}

bool CRadioLink::acknowledged(const Proto::Bytes& request, std::uint8_t c1, std::uint8_t c2)
{
    Proto::Bytes reply(Proto::kAckLength);
    return transaction(request, reply) && reply == Proto::ack(c1, c2);
}

bool CRadioLink::handshake(int tries)
{
    Proto::Bytes reply(Proto::kAckLength);
    for (int i = 0; i < std::max(tries, 1); ++i) {
        if (!transaction(Proto::handshake(), reply)) continue;
        // The first full-length reply decides.
        if (reply != Proto::ack('P', 'a')) return false;
        m_port->purge();
        return true;
    }
    return false;
}

int CRadioLink::setMode(std::uint16_t mode)
{
    Proto::Bytes reply(Proto::kAckLength);
    if (!transaction(Proto::setMode(mode), reply)) return 0;
    if (reply == Proto::ack('M', 'a')) return 1;
    if (reply == Proto::ack('M', 'a', Proto::kPasswordRequired)) return -1;
    return 0;
}

bool CRadioLink::readItem(std::uint8_t item, std::size_t length, Proto::Bytes& data)
{
    Proto::Bytes reply(Proto::identityReplyLength(length));
    if (!transaction(Proto::identity(item), reply)) return false;
    const std::size_t sumAt = Proto::kIdentityHeader + length;
    if (reply.front() != Proto::STX || reply.back() != Proto::ETX) return false;
    if (Proto::checksum(reply.data() + 1, sumAt - 1) != reply[sumAt]) return false;
    data.assign(reply.begin() + Proto::kIdentityHeader, reply.begin() + static_cast<std::ptrdiff_t>(sumAt));
    return true;
}

bool CRadioLink::readIdentity(const std::string& referenceVersion, IdentityData& out, std::size_t bandLength)
{
    Proto::Bytes data;
    if (readItem(Proto::Item::ModelName, Proto::Item::ModelNameLength, data)) {
        out.modelName = fieldText(data.data(), data.size());
        out.haveModelName = true;
    }
    if (readItem(Proto::Item::Band, bandLength, data)) {
        out.bandBlock = data;
        out.haveBand = true;
    }
    if (readItem(Proto::Item::Option, Proto::Item::OptionLength, data)) {
        out.optionByte = data[0];
        out.haveOption = true;
    }
    if (!readItem(Proto::Item::Version, Proto::Item::VersionLength, data)) return false;
    out.firmwareVersion = fieldText(data.data(), 16);
    out.productId = fieldText(data.data() + 16, 16);
    out.versionCompare = compareVersions(out.firmwareVersion, referenceVersion);
    return true;
}

bool CRadioLink::readBlock(std::uint32_t address, std::uint16_t length, std::uint8_t* destination)
{
    Proto::Bytes reply(Proto::blockReplyLength(length));
    if (!transaction(Proto::readBlock(address, length), reply)) return false;
    // A wrong frame, code, address or checksum fails the block like a
    // missing reply would, and leaves the destination alone.
    if (!Proto::isBlockReply(reply, address, length)) return false;
    std::copy_n(reply.begin() + Proto::kBlockHeader, length, destination);
    return true;
}

bool CRadioLink::writeBlock(std::uint32_t address, std::uint16_t length, const std::uint8_t* source)
{
    Proto::Bytes request = Proto::writeBlock(address, source, length);
    // The radio needs this pause to finish storing the previous block.
    sleepMs(m_timing.writeSleepMs);
    return acknowledged(request, 'E', 'a');
}

bool CRadioLink::sendPassword(const std::string& digits, std::uint8_t kind)
{
    return acknowledged(Proto::password(digits, kind), 'W', 'b');
}

int CRadioLink::readRegister(std::uint16_t reg, std::uint8_t* destination, std::size_t length)
{
    if (setMode(Proto::Mode::Tuning) == 0) return -1;
    Proto::Bytes reply(Proto::registerReplyLength(length));
    if (!transaction(Proto::readRegister(reg), reply)) return 0;
    Proto::Bytes head = Proto::readRegister(reg);
    head[2] = 'c';
    if (!std::equal(head.begin(), head.begin() + Proto::kRegisterHeader, reply.begin())) return 0;
    std::copy_n(reply.begin() + Proto::kRegisterHeader, length, destination);
    return 1;
}

bool CRadioLink::writeRegister(std::uint16_t reg, const std::uint8_t* source, std::size_t length)
{
    return acknowledged(Proto::writeRegister(reg, source, length), 'V', 'a');
}

bool CRadioLink::tuningMode(bool accept)
{
    return accept ? acknowledged(Proto::tuningAccept(), 'V', 'j') : acknowledged(Proto::tuningCancel(), 'V', 'k');
}

bool CRadioLink::output(std::uint8_t p1, std::uint8_t p2)
{
    return acknowledged(Proto::output(p1, p2), 'O', p1);
}
