#include "link/Trace.h"

TraceLog::TraceLog(const std::string& path)
    : m_file(std::fopen(path.c_str(), "w")), m_start(std::chrono::steady_clock::now())
{
}

TraceLog::~TraceLog()
{
    if (m_file) std::fclose(m_file);
}

double TraceLog::seconds() const
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
}

void TraceLog::bytes(const std::string& port, const char* direction, const std::uint8_t* data, std::size_t n)
{
    if (!m_file) return;
    std::lock_guard lock(m_mutex);
    std::fprintf(m_file, "%10.6f %s %s %zu:", seconds(), port.c_str(), direction, n);
    for (std::size_t i = 0; i < n; ++i) std::fprintf(m_file, " %02X", data[i]);
    std::fputc('\n', m_file);
    std::fflush(m_file);
}

void TraceLog::note(const std::string& port, const std::string& text)
{
    if (!m_file) return;
    std::lock_guard lock(m_mutex);
    std::fprintf(m_file, "%10.6f %s -- %s\n", seconds(), port.c_str(), text.c_str());
    std::fflush(m_file);
}

TracingTransport::TracingTransport(std::unique_ptr<ITransport> inner, TraceLog& log)
    : m_inner(std::move(inner)), m_log(log)
{
    m_log.note(m_inner->name(), "open");
}

bool TracingTransport::close()
{
    bool wasOpen = m_inner->isOpen();
    std::string port = m_inner->name();
    bool closed = m_inner->close();
    if (wasOpen) m_log.note(port, closed ? "close" : "close failed");
    return closed;
}

bool TracingTransport::setLine(int baud, int dataBits, Parity parity, StopBits stopBits)
{
    bool ok = m_inner->setLine(baud, dataBits, parity, stopBits);
    m_log.note(m_inner->name(), "line " + std::to_string(baud) + (ok ? "" : " refused"));
    return ok;
}

std::size_t TracingTransport::write(const std::uint8_t* data, std::size_t count)
{
    std::size_t n = m_inner->write(data, count);
    m_log.bytes(m_inner->name(), ">>", data, n);
    return n;
}

std::size_t TracingTransport::read(std::uint8_t* data, std::size_t count)
{
    std::size_t n = m_inner->read(data, count);
    m_log.bytes(m_inner->name(), n == 0 && !m_inner->timedOut() ? "<< (line error)" : "<<", data, n);
    return n;
}

std::unique_ptr<ITransport> TracingOpener::open(const std::string& port)
{
    auto t = m_inner.open(port);
    if (!t) {
        m_log.note(port, m_inner.lastDeniedDevice().empty() ? "cannot open" : "cannot open: permission denied");
        return nullptr;
    }
    return std::make_unique<TracingTransport>(std::move(t), m_log);
}
