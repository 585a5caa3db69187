#include "settings/ReadOnlyFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ReadOnlyFile::ReadOnlyFile(const std::string& path)
{
    // O_NONBLOCK: opening a FIFO or a terminal device must not wait for the
    // other end; such files are refused below anyway.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        m_error = std::strerror(errno);
        return;
    }
    m_handle = fd;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        m_error = "not a regular file";
        return;
    }
    m_size = static_cast<std::uint64_t>(st.st_size);
}

ReadOnlyFile::~ReadOnlyFile()
{
    if (m_handle >= 0) ::close(static_cast<int>(m_handle));
}

bool ReadOnlyFile::readAt(std::uint64_t offset, void* out, std::size_t count)
{
    if (!ok() || offset > m_size || m_size - offset < count) return false;
    auto* p = static_cast<char*>(out);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t r = ::pread(static_cast<int>(m_handle), p + done, count - done,
                                  static_cast<off_t>(offset + done));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) return false;
        done += static_cast<std::size_t>(r);
    }
    return true;
}
