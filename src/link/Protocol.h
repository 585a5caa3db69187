#pragma once
// The radio's programming protocol on the wire: framing, checksum, command
// codes and the request and reply layouts. Both the host side (CRadioLink)
// and the simulated radio build their packets from here.
#include <cstdint>
#include <string>
#include <vector>

namespace Proto {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t STX = 0x02;
constexpr std::uint8_t ETX = 0x03;
constexpr std::uint8_t kAccepted = 'a';
constexpr std::uint8_t kPasswordRequired = 'c';

// Line settings: 38400 baud, 8 data bits, odd parity, two stop bits.
constexpr int kBaud = 38400;
constexpr int kDataBits = 8;
// Bits on the wire per byte: start, 8 data, parity, 2 stop.
constexpr int kBitsPerByte = 12;

constexpr std::size_t kAckLength = 6;
constexpr std::size_t kPasswordLength = 8;

// Mode numbers of the Ma command.
namespace Mode {
constexpr std::uint16_t Leave = 1;
constexpr std::uint16_t Read = 2;
constexpr std::uint16_t Write = 3;
constexpr std::uint16_t Tuning = 6;
}  // namespace Mode

// Kinds of the Wb password command.
namespace PasswordKind {
constexpr std::uint8_t BeforeWrite = 1;
constexpr std::uint8_t BeforeRead = 2;
}  // namespace PasswordKind

// Identity items of the Bb command and their data lengths.
namespace Item {
constexpr std::uint8_t ModelName = 3;
constexpr std::uint8_t Band = 5;
constexpr std::uint8_t Option = 7;
constexpr std::uint8_t Version = 8;
constexpr std::size_t ModelNameLength = 12;
constexpr std::size_t BandLength = 9;
constexpr std::size_t OptionLength = 1;
constexpr std::size_t VersionLength = 32;
}  // namespace Item

// The command code of the reply to a block read (Eb).
constexpr std::uint8_t kBlockReplyCode1 = 'E';
constexpr std::uint8_t kBlockReplyCode2 = 'c';

// Reply header lengths before the data.
constexpr std::size_t kIdentityHeader = 7;  // STX + six header bytes
constexpr std::size_t kBlockHeader = 9;     // STX + eight header bytes
constexpr std::size_t kRegisterHeader = 5;  // STX 'V' 'c' a-low a-high

// Two's complement of the 8-bit sum: the covered bytes plus the checksum
// add up to 0 modulo 256.
std::uint8_t checksum(const std::uint8_t* data, std::size_t n);

// The 6-byte acknowledgement of the command whose code bytes are c1 c2.
Bytes ack(std::uint8_t c1, std::uint8_t c2, std::uint8_t status = kAccepted);

// Host requests.
Bytes handshake();                                   // Pa
Bytes setMode(std::uint16_t mode);                   // Ma
Bytes identity(std::uint8_t item);                   // Bb
Bytes readBlock(std::uint32_t address, std::uint16_t length);  // Eb
Bytes writeBlock(std::uint32_t address, const std::uint8_t* data, std::uint16_t length);  // Ea
Bytes password(const std::string& digits, std::uint8_t kind);  // Wb
Bytes readRegister(std::uint16_t reg);               // Vb
Bytes writeRegister(std::uint16_t reg, const std::uint8_t* data, std::size_t length);  // Va
Bytes tuningAccept();                                // Vj
Bytes tuningCancel();                                // Vk
Bytes output(std::uint8_t p1, std::uint8_t p2);      // O

// Whether a block-read reply of blockReplyLength(length) bytes answers the
// request for `address`: STX first and ETX last, the reply's command code,
// the address echoed in bytes 3-6 and the checksum. A reply to another
// request (the line lost step) can carry a correct checksum; the echoed
// address keeps it from landing at the wrong place in the image.
bool isBlockReply(const Bytes& reply, std::uint32_t address, std::uint16_t length);

// Reply lengths the host waits for.
constexpr std::size_t identityReplyLength(std::size_t n) { return n + 9; }
constexpr std::size_t blockReplyLength(std::size_t n) { return n + 11; }
constexpr std::size_t registerReplyLength(std::size_t n) { return n + 6; }

// Wire time of n bytes at the protocol's line rate, in microseconds.
constexpr long long wireMicros(std::size_t n) { return static_cast<long long>(n) * kBitsPerByte * 1000000LL / kBaud; }

}  // namespace Proto
