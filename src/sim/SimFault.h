#pragma once
// Faults the simulated radio can be told to commit, so every failure path
// of the link and the sessions can be exercised on demand.
#include <cstdint>
#include <optional>
#include <string>

enum class SimFaultKind {
    None,
    Silence,           // no reply
    ShortReply,        // the reply without its last byte
    BadChecksum,       // a data reply whose checksum is off by one
    BadAck,            // a wrong acknowledgement status, or a wrong header on data replies
    LineError,         // the reply arrives with a parity error (in process only)
    RefuseBlock,       // block `address` is refused (write) or not answered (read)
    SilentAfterBlocks, // after `count` block commands, nothing more is answered
    RefuseRegister     // a write of tuning register `address` is refused
};

struct SimFault {
    SimFaultKind kind = SimFaultKind::None;
    std::string command;       // two-letter code it applies to ("" any); not for the block faults
    int after = 0;             // matching commands served normally before it strikes
    int times = 0;             // how many matching commands it strikes; 0 for ever
    std::uint32_t address = 0; // RefuseBlock, RefuseRegister
    int count = 0;             // SilentAfterBlocks

    // "silence[:CMD[:AFTER[:TIMES]]]", "short[...]", "checksum[...]", "ack[...]",
    // "line-error[...]", "refuse-block:ADDR", "silent-after:N", "refuse-register:REG".
    static std::optional<SimFault> parse(const std::string& text);
};
