#pragma once
// The simulated radio on the other end of an in-process cable: what is
// written reaches the radio at once and its replies are queued for reading.
// With line-rate emulation a reply is only readable after the request and
// the reply would have crossed a 38400-baud line.
#include "link/PortOpener.h"
#include "sim/SimRadio.h"

#include <chrono>
#include <deque>
#include <memory>
#include <set>
#include <utility>
#include <string>
#include <vector>

class SimTransport : public ITransport {
public:
    // `radio` may be null: a port with nothing connected. `openCount`, when
    // given, counts this port while it is open.
    SimTransport(SimRadio* radio, std::string name, bool lineRate = false, std::shared_ptr<int> openCount = {});
    ~SimTransport() override;

    std::string name() const override { return m_name; }
    bool isOpen() const override { return m_open; }
    bool close() override;
    bool setLine(int, int, Parity, StopBits) override { return m_open; }
    void setReadTimeout(unsigned ms) override { m_timeoutMs = ms; }
    void purge() override;
    std::size_t write(const std::uint8_t* data, std::size_t count) override;
    std::size_t read(std::uint8_t* data, std::size_t count) override;
    bool timedOut() const override { return m_timedOut; }

private:
    using Clock = std::chrono::steady_clock;
    SimRadio* m_radio;
    std::string m_name;
    bool m_lineRate;
    bool m_open = true;
    unsigned m_timeoutMs = 0;
    bool m_timedOut = false;
    bool m_lineError = false;
    std::deque<std::uint8_t> m_rx;
    Clock::time_point m_readyAt{};
    std::shared_ptr<int> m_openCount;
};

// Opens the simulated radio under the port names it was given; other names
// listed as empty ports open with nothing behind them; the rest do not open.
class SimPortOpener : public IPortOpener {
public:
    explicit SimPortOpener(SimRadio& radio, std::set<std::string> radioPorts = {"sim"},
                           std::set<std::string> emptyPorts = {}, bool lineRate = false);
    std::unique_ptr<ITransport> open(const std::string& port) override;
    std::string lastDeniedDevice() const override { return m_denied; }
    // These ports refuse to open as a device without permission would.
    void denyPorts(std::set<std::string> ports) { m_deniedPorts = std::move(ports); }

    // Every port asked for, in order.
    const std::vector<std::string>& opened() const { return m_opened; }
    // Ports opened through this opener and not closed yet.
    int openPorts() const { return *m_openCount; }

private:
    SimRadio& m_radio;
    std::set<std::string> m_radioPorts;
    std::set<std::string> m_emptyPorts;
    std::set<std::string> m_deniedPorts;
    std::string m_denied;
    bool m_lineRate;
    std::vector<std::string> m_opened;
    std::shared_ptr<int> m_openCount = std::make_shared<int>(0);
};
