#include "sim/SimTransport.h"

#include "link/Pause.h"

#include <algorithm>

SimTransport::SimTransport(SimRadio* radio, std::string name, bool lineRate, std::shared_ptr<int> openCount)
    : m_radio(radio), m_name(std::move(name)), m_lineRate(lineRate), m_openCount(std::move(openCount))
{
    if (m_openCount) ++*m_openCount;
}

SimTransport::~SimTransport()
{
    close();
}

bool SimTransport::close()
{
    if (m_open && m_openCount) --*m_openCount;
    m_open = false;
    m_rx.clear();
    return true;
}

void SimTransport::purge()
{
    m_rx.clear();
    m_lineError = false;
}

std::size_t SimTransport::write(const std::uint8_t* data, std::size_t count)
{
    if (!m_open) return 0;
    if (!m_radio) return count;
    auto replies = m_radio->feed(data, count);
    std::size_t replyBytes = 0;
    for (auto& r : replies) {
        if (r.lineError) m_lineError = true;
        m_rx.insert(m_rx.end(), r.bytes.begin(), r.bytes.end());
        replyBytes += r.bytes.size();
    }
    m_readyAt = Clock::now();
    if (m_lineRate) m_readyAt += std::chrono::microseconds(Proto::wireMicros(count + replyBytes));
    return count;
}

std::size_t SimTransport::read(std::uint8_t* data, std::size_t count)
{
    m_timedOut = false;
    if (!m_open) return 0;
    if (m_lineError) {
        m_lineError = false;
        return 0;
    }
    const auto deadline = Clock::now() + std::chrono::milliseconds(m_timeoutMs);
    const bool inTime = m_timeoutMs == 0 || m_readyAt <= deadline;
    std::size_t n = count;
    if (m_rx.size() >= count && inTime) {
        pauseUntil(m_readyAt);
    } else {
        // Nothing more will come. Without a time-out a real port would wait
        // for ever; the simulation gives up instead of hanging the caller.
        if (m_timeoutMs != 0) pauseUntil(deadline);
        m_timedOut = m_timeoutMs != 0;
        n = inTime ? std::min(count, m_rx.size()) : 0;
    }
    std::copy_n(m_rx.begin(), n, data);
    m_rx.erase(m_rx.begin(), m_rx.begin() + static_cast<std::ptrdiff_t>(n));
    return n;
}

SimPortOpener::SimPortOpener(SimRadio& radio, std::set<std::string> radioPorts, std::set<std::string> emptyPorts,
                             bool lineRate)
    : m_radio(radio), m_radioPorts(std::move(radioPorts)), m_emptyPorts(std::move(emptyPorts)), m_lineRate(lineRate)
{
}

std::unique_ptr<ITransport> SimPortOpener::open(const std::string& port)
{
    m_opened.push_back(port);
    m_denied.clear();
    if (m_deniedPorts.count(port)) {
        m_denied = port;
        return nullptr;
    }
    if (m_radioPorts.count(port)) return std::make_unique<SimTransport>(&m_radio, port, m_lineRate, m_openCount);
    if (m_emptyPorts.count(port)) return std::make_unique<SimTransport>(nullptr, port, m_lineRate, m_openCount);
    return nullptr;
}
