#pragma once
// The radio's programming protocol over a port: find the radio, select a
// mode, read its identity, move 32-byte blocks, send the password and
// drive the tuning registers. Every operation is a transaction of up to
// three exchanges; an exchange is purge, write, sleep, read with time-out.
#include "link/LinkTiming.h"
#include "link/PortOpener.h"
#include "link/Protocol.h"
#include "link/IdentityData.h"

#include <functional>
#include <memory>
#include <string>

class CRadioLink {
public:
    explicit CRadioLink(IPortOpener& ports, LinkTiming timing = {});
    ~CRadioLink();
    CRadioLink(const CRadioLink&) = delete;
    CRadioLink& operator=(const CRadioLink&) = delete;

    // Tries the configured port with the ten-try handshake, then ports 1 to
    // 16 with one try each. Returns the port that answered, left open, or
    // "" when none did.
    std::string connect(const std::string& configuredPort);
    // Opens exactly this port and runs the ten-try handshake.
    bool connectTo(const std::string& port);

    // 1 answered.
    bool handshake(int tries);
    // 1 accepted, -1 the radio wants its password, 0 no valid answer.
    int setMode(std::uint16_t mode);
    // True when item 8 (version and product) was read; the other items
    // are filled only when their own query succeeded.
    bool readIdentity(const std::string& referenceVersion, IdentityData& out,
                      std::size_t bandLength = Proto::Item::BandLength);
    // The data is copied only from a full reply with a correct checksum.
    bool readBlock(std::uint32_t address, std::uint16_t length, std::uint8_t* destination);
    bool writeBlock(std::uint32_t address, std::uint16_t length, const std::uint8_t* source);
    bool sendPassword(const std::string& digits, std::uint8_t kind);
    // -1 when the tuning mode command got no valid answer, 0 when the
    // register read failed, 1 read.
    int readRegister(std::uint16_t reg, std::uint8_t* destination, std::size_t length);
    bool writeRegister(std::uint16_t reg, const std::uint8_t* source, std::size_t length);
    // Vj (keep the tuned values) when accept, Vk (drop them) otherwise.
    bool tuningMode(bool accept);
    bool output(std::uint8_t p1, std::uint8_t p2);

    void close();
    bool isOpen() const;
    std::string portName() const;
    // The first device that the last connect() or connectTo() could not
    // open for lack of permission; "" when there was none.
    const std::string& deniedDevice() const { return m_denied; }
    const LinkTiming& timing() const { return m_timing; }

    // Called after every exchange with whether the full reply arrived
    // (benchmarks and tests count exchanges with it).
    std::function<void(const Proto::Bytes& request, std::size_t replyLength, bool full)> onExchange;

private:
    bool openPort(const std::string& port);
    bool exchange(const Proto::Bytes& request, Proto::Bytes& reply);
    bool transaction(const Proto::Bytes& request, Proto::Bytes& reply);
    // A transaction whose reply must be the acknowledgement of c1 c2.
    bool acknowledged(const Proto::Bytes& request, std::uint8_t c1, std::uint8_t c2);
    bool readItem(std::uint8_t item, std::size_t length, Proto::Bytes& data);
    void sleepMs(unsigned ms) const;

    IPortOpener& m_ports;
    LinkTiming m_timing;
    std::unique_ptr<ITransport> m_port;
    std::string m_denied;
};
