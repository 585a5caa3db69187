#pragma once
// Undoes the line discipline's error marking (termios PARMRK): a data byte
// 0xFF arrives as 0xFF 0xFF, a byte received with a parity or framing error
// as 0xFF 0x00 byte. Kept apart from the port so it can be tested without
// a real line error.
#include <cstddef>
#include <cstdint>
#include <deque>

class LineMarkDecoder {
public:
    // Appends the decoded bytes of `raw` to `out`; marks a line error.
    void decode(const std::uint8_t* raw, std::size_t n, std::deque<std::uint8_t>& out);
    // True once when an error mark was seen since the last call.
    bool takeError();
    void reset();

private:
    int m_state = 0;  // 0 plain, 1 after 0xFF, 2 after 0xFF 0x00
    bool m_error = false;
};
