#pragma once
// The radio's side of the programming protocol: an 8192-byte memory, an
// identity, an optional password, tuning registers and injectable faults.
// The tuning registers of the register-to-offset table keep their values in
// the memory's tune-data area (5667-6198), as the radio does: a register
// write takes effect at once, Vj stores the written values there and Vk
// drops them; Write Tune Data and the registers therefore agree.
// It takes the request bytes as they arrive and gives back the replies;
// the in-process transport and the pseudo-terminal server carry them.
#include "link/Protocol.h"
#include "model/ReferenceFirmware.h"
#include "sim/SimFault.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

struct SimIdentity {
    std::string modelName = "QAV-410";
    std::uint8_t bandFlags = 0x80;      // band block byte 0
    std::uint32_t lowEdge = 13600000;   // 10 Hz units (136 MHz)
    std::uint32_t highEdge = 17400000;  // 10 Hz units (174 MHz)
    std::uint8_t optionByte = 0;        // item 7
    std::string firmwareVersion = kReferenceFirmware;
    std::string productId = "QAV410";
};

// One request as the radio understood it, for tests to inspect.
struct SimCommand {
    std::string code;           // "Pa", "Ma", "Eb", "Ea", "Wb", "Bb", "Vb", "Va", "Vj", "Vk", "O"
    std::uint32_t value = 0;    // mode, item, address, register, or output p1
    std::uint16_t length = 0;   // block length
    std::vector<std::uint8_t> data;  // written bytes, password digits
};

struct SimReply {
    Proto::Bytes bytes;
    bool lineError = false;
};

class SimRadio {
public:
    static constexpr std::size_t kMemorySize = 8192;
    using Memory = std::array<std::uint8_t, kMemorySize>;

    SimRadio();

    void setIdentity(const SimIdentity& identity);
    SimIdentity identity() const;
    // Digits the radio asks for before any mode; "" for none.
    void setPassword(const std::string& digits);
    void setMemory(const Memory& memory);
    Memory memory() const;
    void addFault(const SimFault& fault);
    void clearFaults();
    // Sets a register's kept value (in the tune-data area when the table
    // places it) and drops any value written but not yet kept.
    void setRegister(std::uint16_t reg, std::uint16_t value);
    // The value the radio works with: written, else kept.
    std::uint16_t registerValue(std::uint16_t reg) const;
    // The value as the radio kept it after Vj (Vk returns to these).
    std::uint16_t keptRegister(std::uint16_t reg) const;
    // The output command's state for p1 ('a' or 'b'); leaving programming
    // mode switches every output off.
    std::uint8_t outputState(std::uint8_t p1) const;

    // Takes request bytes; returns the replies of every complete request.
    // Bytes of an incomplete request older than the inter-byte gap are
    // dropped first, as the radio's receiver would.
    std::vector<SimReply> feed(const std::uint8_t* data, std::size_t n,
                               std::chrono::steady_clock::time_point now = std::chrono::steady_clock::now());

    std::vector<SimCommand> log() const;
    void clearLog();
    int currentMode() const;

private:
    struct Decoded {
        std::size_t length = 0;  // 0: not a known request
        bool needMore = false;
    };
    Decoded measure() const;
    SimReply handle(const Proto::Bytes& request);
    SimReply answer(const Proto::Bytes& request, SimCommand& cmd);
    const SimFault* strikingFault(const SimCommand& cmd);
    void applyFault(const SimFault& f, SimReply& reply, bool dataReply) const;
    std::uint16_t kept(std::uint16_t reg) const;
    void keep(std::uint16_t reg, std::uint16_t value);
    SimReply answerRegister(const Proto::Bytes& request, SimCommand& cmd);
    Proto::Bytes dataReply(std::uint8_t c1, std::uint8_t c2, const Proto::Bytes& header,
                           const std::uint8_t* data, std::size_t n) const;

    mutable std::mutex m_mutex;
    SimIdentity m_identity;
    std::string m_password;
    bool m_unlocked = true;
    int m_mode = 0;
    int m_pendingMode = 0;
    Memory m_memory{};
    std::map<std::uint16_t, std::uint16_t> m_written;  // since the last Vj or Vk
    std::map<std::uint16_t, std::uint16_t> m_keptElsewhere;  // registers outside the table
    std::map<std::uint8_t, std::uint8_t> m_outputs;
    std::vector<SimFault> m_faults;
    std::vector<int> m_faultSeen;  // matching commands seen per fault
    int m_blockCommands = 0;
    std::vector<SimCommand> m_log;
    Proto::Bytes m_rx;
    std::chrono::steady_clock::time_point m_lastByte{};
};
