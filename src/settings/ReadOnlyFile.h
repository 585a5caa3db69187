#pragma once
// An untrusted file opened for reading at known offsets. Only regular files
// open: a FIFO or a device would make a reader wait for ever or never end.
// The size is taken once at open, so no length field inside the file can
// make a reader go past its end.
#include <cstddef>
#include <cstdint>
#include <string>

class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const std::string& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    // Empty when the file is open.
    const std::string& error() const { return m_error; }
    bool ok() const { return m_error.empty(); }
    std::uint64_t size() const { return m_size; }
    // Exactly `count` bytes at `offset`; false when the file shrank or
    // cannot be read.
    bool readAt(std::uint64_t offset, void* out, std::size_t count);

private:
    std::intptr_t m_handle = -1;  // a descriptor, or a Windows handle
    std::uint64_t m_size = 0;
    std::string m_error;
};
