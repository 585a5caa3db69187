#include "sim/SimPty.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Pending {
    Clock::time_point at;
    Proto::Bytes bytes;
};

void makeRaw(int fd)
{
    termios t{};
    if (tcgetattr(fd, &t) != 0) return;
    cfmakeraw(&t);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    tcsetattr(fd, TCSANOW, &t);
}

void writeAll(int fd, const Proto::Bytes& b)
{
    std::size_t done = 0;
    while (done < b.size()) {
        ssize_t n = ::write(fd, b.data() + done, b.size() - done);
        if (n > 0) done += static_cast<std::size_t>(n);
        else if (n < 0 && errno == EINTR) continue;
        else if (n < 0 && errno == EAGAIN) {
            pollfd p{fd, POLLOUT, 0};
            if (poll(&p, 1, 100) <= 0) return;
        } else return;
    }
}

}  // namespace

SimPtyServer::SimPtyServer(SimRadio& radio, bool lineRate) : m_radio(radio), m_lineRate(lineRate) {}

SimPtyServer::~SimPtyServer()
{
    stop();
    if (m_thread.joinable()) m_thread.join();
    for (int fd : {m_master, m_slave, m_wake[0], m_wake[1]})
        if (fd >= 0) ::close(fd);
}

bool SimPtyServer::open()
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
        m_error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    char name[128];
    if (ptsname_r(m_master, name, sizeof name) != 0) {
        m_error = "cannot name the pseudo-terminal";
        return false;
    }
    m_path = name;
    m_slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_slave < 0 || pipe2(m_wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        m_error = std::string("cannot open ") + name + ": " + std::strerror(errno);
        return false;
    }
    // Both ends raw: no echo, no line editing, no character translation.
    makeRaw(m_master);
    makeRaw(m_slave);
    return true;
}

void SimPtyServer::start()
{
    m_thread = std::thread([this] { serve(); });
}

void SimPtyServer::stop()
{
    if (m_wake[1] >= 0) {
        char c = 1;
        [[maybe_unused]] ssize_t n = ::write(m_wake[1], &c, 1);
    }
}

void SimPtyServer::serve()
{
    std::deque<Pending> pending;
    std::uint8_t buf[1024];
    for (;;) {
        int waitMs = -1;
        if (!pending.empty()) {
            auto left = std::chrono::duration_cast<std::chrono::microseconds>(pending.front().at - Clock::now());
            waitMs = left.count() <= 0 ? 0 : static_cast<int>((left.count() + 999) / 1000);
        }
        pollfd p[2] = {{m_master, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
        int r = poll(p, 2, waitMs);
        if (r < 0 && errno != EINTR) return;
        if (r > 0 && (p[1].revents & POLLIN)) return;
        const auto now = Clock::now();
        if (r > 0 && (p[0].revents & POLLIN)) {
            ssize_t n = ::read(m_master, buf, sizeof buf);
            if (n > 0) {
                for (auto& reply : m_radio.feed(buf, static_cast<std::size_t>(n), now)) {
                    // A pseudo-terminal cannot carry a parity error: such a
                    // reply is simply not sent.
                    if (reply.lineError) continue;
                    auto at = now;
                    if (m_lineRate)
                        at += std::chrono::microseconds(Proto::wireMicros(static_cast<std::size_t>(n) + reply.bytes.size()));
                    pending.push_back({at, std::move(reply.bytes)});
                }
            }
        }
        while (!pending.empty() && pending.front().at <= Clock::now()) {
            writeAll(m_master, pending.front().bytes);
            pending.pop_front();
        }
    }
}
