#include "link/Protocol.h"

#include <algorithm>

namespace Proto {

std::uint8_t checksum(const std::uint8_t* data, std::size_t n)
{
    unsigned sum = 0;
    for (std::size_t i = 0; i < n; ++i) sum += data[i];
    return static_cast<std::uint8_t>(0x100 - (sum & 0xFF));
}

Bytes ack(std::uint8_t c1, std::uint8_t c2, std::uint8_t status)
{
    return {STX, 'A', status, c1, c2, ETX};
}

Bytes handshake()
{
    return {STX, 'P', 'a', ETX};
}

Bytes setMode(std::uint16_t mode)
{
    return {STX, 'M', 'a', static_cast<std::uint8_t>(mode & 0xFF), static_cast<std::uint8_t>(mode >> 8), ETX};
}

Bytes identity(std::uint8_t item)
{
    return {STX, 'B', 'b', item, 0x00, ETX};
}

Bytes readBlock(std::uint32_t address, std::uint16_t length)
{
    return {STX, 'E', 'b',
            static_cast<std::uint8_t>(address), static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address >> 16), static_cast<std::uint8_t>(address >> 24),
            static_cast<std::uint8_t>(length), static_cast<std::uint8_t>(length >> 8), ETX};
}

bool isBlockReply(const Bytes& reply, std::uint32_t address, std::uint16_t length)
{
    if (reply.size() != blockReplyLength(length)) return false;
    const std::size_t sumAt = kBlockHeader + length;
    bool echoed = true;
    for (int i = 0; i < 4; ++i) echoed = echoed && reply[3 + i] == static_cast<std::uint8_t>(address >> (8 * i));
    return reply.front() == STX && reply.back() == ETX && reply[1] == kBlockReplyCode1 &&
           reply[2] == kBlockReplyCode2 && echoed && checksum(reply.data() + 1, sumAt - 1) == reply[sumAt];
}

Bytes writeBlock(std::uint32_t address, const std::uint8_t* data, std::uint16_t length)
{
    // The count covers the address, the data and the checksum.
    const unsigned count = length + 5u;
    Bytes p(length + 11u);
    p[0] = STX;
    p[1] = 'E';
    p[2] = 'a';
    p[3] = static_cast<std::uint8_t>(count);
    p[4] = static_cast<std::uint8_t>(count >> 8);
    for (int i = 0; i < 4; ++i) p[5 + i] = static_cast<std::uint8_t>(address >> (8 * i));
    std::copy_n(data, length, p.begin() + 9);
    p[9 + length] = checksum(p.data() + 1, 8u + length);
    p[10 + length] = ETX;
    return p;
}

Bytes password(const std::string& digits, std::uint8_t kind)
{
    Bytes p(17, 0x00);
    p[0] = STX;
    p[1] = 'W';
    p[2] = 'b';
    p[3] = 0x0B;  // count: kind, 00, eight password bytes, checksum
    p[5] = kind;
    std::copy_n(digits.begin(), std::min(digits.size(), kPasswordLength), p.begin() + 7);
    p[15] = checksum(p.data() + 1, 14);
    p[16] = ETX;
    return p;
}

Bytes readRegister(std::uint16_t reg)
{
    return {STX, 'V', 'b', static_cast<std::uint8_t>(reg & 0xFF), static_cast<std::uint8_t>(reg >> 8), ETX};
}

Bytes writeRegister(std::uint16_t reg, const std::uint8_t* data, std::size_t length)
{
    Bytes p(length + 6);
    p[0] = STX;
    p[1] = 'V';
    p[2] = 'a';
    p[3] = static_cast<std::uint8_t>(reg & 0xFF);
    p[4] = static_cast<std::uint8_t>(reg >> 8);
    std::copy_n(data, length, p.begin() + 5);
    p[5 + length] = ETX;
    return p;
}

Bytes tuningAccept()
{
    return {STX, 'V', 'j', 0x00, 0x00, ETX};
}

Bytes tuningCancel()
{
    return {STX, 'V', 'k', ETX};
}

Bytes output(std::uint8_t p1, std::uint8_t p2)
{
    return {STX, 'O', p1, p2, 0x00, ETX};
}

}  // namespace Proto
