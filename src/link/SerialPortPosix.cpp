#include "link/SerialPort.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

speed_t speedCode(int baud)
{
    switch (baud) {
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 57600: return B57600;
    case 115200: return B115200;
    default: return B38400;
    }
}

tcflag_t sizeFlag(int bits)
{
    switch (bits) {
    case 5: return CS5;
    case 6: return CS6;
    case 7: return CS7;
    default: return CS8;
    }
}

}  // namespace

bool CSerialPort::isOpen() const { return m_fd >= 0; }

CSerialPort::~CSerialPort()
{
    close();
}

bool CSerialPort::open(const std::string& devicePath)
{
    close();
    int fd = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        m_openError = errno;
        return false;
    }
    if (!isatty(fd)) {
        ::close(fd);
        m_openError = ENOTTY;
        return false;
    }
    // TIOCEXCL keeps other programs out; the lock also keeps out a second
    // instance of ours, which TIOCEXCL does not when running as root.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        m_openError = EBUSY;
        return false;
    }
    m_openError = 0;
    ioctl(fd, TIOCEXCL);
    m_fd = fd;
    m_name = devicePath;
    m_rx.clear();
    m_marks.reset();
    // DTR powers the cable's level shifter: raise it before anything else.
    // A pseudo-terminal has no modem lines and refuses; that is harmless.
    int dtr = TIOCM_DTR;
    ioctl(fd, TIOCMBIS, &dtr);
    return true;
}

bool CSerialPort::close()
{
    if (m_fd < 0) return true;
    ioctl(m_fd, TIOCNXCL);
    if (::close(m_fd) != 0 && errno != EINTR) return false;
    m_fd = -1;
    m_name.clear();
    m_rx.clear();
    return true;
}

void CSerialPort::setModemLines()
{
    int lines = TIOCM_DTR | TIOCM_RTS;
    ioctl(m_fd, TIOCMBIS, &lines);  // fails on a pseudo-terminal: harmless
}

bool CSerialPort::setLine(int baud, int dataBits, Parity parity, StopBits stopBits)
{
    termios tio{};
    if (m_fd < 0 || tcgetattr(m_fd, &tio) != 0) return false;
    // Start from nothing, so no setting survives from the driver or from an
    // earlier program.
    tio = termios{};
    cfmakeraw(&tio);
    tio.c_cflag = CREAD | CLOCAL | sizeFlag(dataBits);
    if (parity != Parity::None) tio.c_cflag |= PARENB;
    if (parity == Parity::Odd) tio.c_cflag |= PARODD;
    if (stopBits != StopBits::One) tio.c_cflag |= CSTOPB;
    // Errors are marked in the input (0xFF 0x00 byte), a real 0xFF arrives
    // doubled; the mark decoder undoes both.
    tio.c_iflag = INPCK | PARMRK;
    tio.c_oflag = 0;
    tio.c_lflag = 0;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    cfsetispeed(&tio, speedCode(baud));
    cfsetospeed(&tio, speedCode(baud));
    // A pseudo-terminal silently drops what it cannot do (parity): only
    // the call's own failure counts.
    bool ok = tcsetattr(m_fd, TCSANOW, &tio) == 0;
    setModemLines();
    return ok;
}

void CSerialPort::purge()
{
    if (m_fd < 0) return;
    tcflush(m_fd, TCIFLUSH);
    m_rx.clear();
    m_marks.reset();
}

std::size_t CSerialPort::write(const std::uint8_t* data, std::size_t count)
{
    if (m_fd < 0) return 0;
    std::size_t done = 0;
    while (done < count) {
        ssize_t n = ::write(m_fd, data + done, count - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN) {
            // Output queue full: wait for room, but not forever.
            pollfd p{m_fd, POLLOUT, 0};
            if (poll(&p, 1, 1000) <= 0) return 0;
            continue;
        }
        return 0;
    }
    return done;
}

bool CSerialPort::drain()
{
    std::uint8_t buf[512];
    for (;;) {
        ssize_t n = ::read(m_fd, buf, sizeof buf);
        if (n > 0) {
            m_marks.decode(buf, static_cast<std::size_t>(n), m_rx);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN) return true;
        return n == 0;  // 0: nothing queued (VMIN 0); other errors: gone
    }
}

std::size_t CSerialPort::read(std::uint8_t* data, std::size_t count)
{
    using Clock = std::chrono::steady_clock;
    m_timedOut = false;
    if (m_fd < 0) return 0;
    const auto deadline = Clock::now() + std::chrono::milliseconds(m_readTimeoutMs);
    for (;;) {
        bool alive = drain();
        if (m_marks.takeError()) return 0;
        if (m_rx.size() >= count || !alive) break;
        int waitMs = -1;
        if (m_readTimeoutMs != 0) {
            auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (left <= 0) {
                m_timedOut = true;
                break;
            }
            waitMs = static_cast<int>(left);
        }
        pollfd p{m_fd, POLLIN, 0};
        int r = poll(&p, 1, waitMs);
        if (r < 0 && errno != EINTR) break;
        if (r > 0 && (p.revents & (POLLERR | POLLNVAL))) break;
        if (r > 0 && (p.revents & POLLHUP) && !(p.revents & POLLIN)) {
            // The other end of a pseudo-terminal went away: nothing more
            // will come, but wait out the time-out as a cable would.
            if (m_readTimeoutMs == 0) break;
            auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (left > 0) poll(nullptr, 0, static_cast<int>(left));
        }
    }
    std::size_t n = std::min(count, m_rx.size());
    std::copy_n(m_rx.begin(), n, data);
    m_rx.erase(m_rx.begin(), m_rx.begin() + static_cast<std::ptrdiff_t>(n));
    return n;
}
