#pragma once
// A timestamped hex trace of every byte sent to and received from the
// radio, for diagnosing cables and radios that misbehave. One line per
// write or read: seconds since the trace started, direction, port, bytes.
#include "link/PortOpener.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>

class TraceLog {
public:
    // The file is truncated; ok() tells whether it could be opened.
    explicit TraceLog(const std::string& path);
    ~TraceLog();
    TraceLog(const TraceLog&) = delete;
    TraceLog& operator=(const TraceLog&) = delete;

    bool ok() const { return m_file != nullptr; }
    void bytes(const std::string& port, const char* direction, const std::uint8_t* data, std::size_t n);
    void note(const std::string& port, const std::string& text);

private:
    double seconds() const;
    std::FILE* m_file = nullptr;
    std::mutex m_mutex;
    std::chrono::steady_clock::time_point m_start;
};

// Passes everything through to the wrapped transport and records it.
class TracingTransport : public ITransport {
public:
    TracingTransport(std::unique_ptr<ITransport> inner, TraceLog& log);

    std::string name() const override { return m_inner->name(); }
    bool isOpen() const override { return m_inner->isOpen(); }
    bool close() override;
    bool setLine(int baud, int dataBits, Parity parity, StopBits stopBits) override;
    void setReadTimeout(unsigned ms) override { m_inner->setReadTimeout(ms); }
    void purge() override { m_inner->purge(); }
    std::size_t write(const std::uint8_t* data, std::size_t count) override;
    std::size_t read(std::uint8_t* data, std::size_t count) override;
    bool timedOut() const override { return m_inner->timedOut(); }

private:
    std::unique_ptr<ITransport> m_inner;
    TraceLog& m_log;
};

class TracingOpener : public IPortOpener {
public:
    TracingOpener(IPortOpener& inner, TraceLog& log) : m_inner(inner), m_log(log) {}
    std::unique_ptr<ITransport> open(const std::string& port) override;
    std::string lastDeniedDevice() const override { return m_inner.lastDeniedDevice(); }

private:
    IPortOpener& m_inner;
    TraceLog& m_log;
};
