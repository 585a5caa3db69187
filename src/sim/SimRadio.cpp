#include "sim/SimRadio.h"

#include "model/MemoryMap.h"
#include "model/TuneDataRecord.h"

#include <algorithm>

namespace {

constexpr auto kInterByteGap = std::chrono::milliseconds(20);
constexpr std::size_t kMaxBlock = 4096;
// What a register the radio has never been given reads as.
constexpr std::uint16_t kUntunedRegister = 0x0080;

// Where a table register keeps its value in the memory; 0 when the table
// does not place it (offset 0 of the table belongs to register 0x8002).
std::size_t tuneDataAddress(std::uint16_t reg)
{
    for (const TuneRegister& t : tuneRegisters())
        if (t.reg == reg) return mapEntry(Section::TuneData).image + t.offset;
    return 0;
}

void putBcd(Proto::Bytes& out, std::uint32_t value)
{
    std::uint8_t b[4];
    for (int i = 3; i >= 0; --i) {
        unsigned lo = value % 10;
        value /= 10;
        unsigned hi = value % 10;
        value /= 10;
        b[i] = static_cast<std::uint8_t>(hi << 4 | lo);
    }
    out.insert(out.end(), b, b + 4);
}

void putText(Proto::Bytes& out, const std::string& s, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i) out.push_back(i < s.size() ? static_cast<std::uint8_t>(s[i]) : 0);
}

std::uint32_t le32(const std::uint8_t* p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace

SimRadio::SimRadio()
{
    m_memory.fill(0xFF);
}

void SimRadio::setIdentity(const SimIdentity& identity)
{
    std::lock_guard lock(m_mutex);
    m_identity = identity;
}

SimIdentity SimRadio::identity() const
{
    std::lock_guard lock(m_mutex);
    return m_identity;
}

void SimRadio::setPassword(const std::string& digits)
{
    std::lock_guard lock(m_mutex);
    m_password = digits.substr(0, Proto::kPasswordLength);
    m_unlocked = m_password.empty();
}

void SimRadio::setMemory(const Memory& memory)
{
    std::lock_guard lock(m_mutex);
    m_memory = memory;
}

SimRadio::Memory SimRadio::memory() const
{
    std::lock_guard lock(m_mutex);
    return m_memory;
}

void SimRadio::addFault(const SimFault& fault)
{
    std::lock_guard lock(m_mutex);
    m_faults.push_back(fault);
    m_faultSeen.push_back(0);
}

void SimRadio::clearFaults()
{
    std::lock_guard lock(m_mutex);
    m_faults.clear();
    m_faultSeen.clear();
    m_blockCommands = 0;
}

std::uint16_t SimRadio::kept(std::uint16_t reg) const
{
    if (std::size_t at = tuneDataAddress(reg)) return static_cast<std::uint16_t>(m_memory[at] << 8 | m_memory[at + 1]);
    auto it = m_keptElsewhere.find(reg);
    return it == m_keptElsewhere.end() ? kUntunedRegister : it->second;
}

void SimRadio::keep(std::uint16_t reg, std::uint16_t value)
{
    // The tune-data area keeps each word high byte first.
    if (std::size_t at = tuneDataAddress(reg)) {
        m_memory[at] = static_cast<std::uint8_t>(value >> 8);
        m_memory[at + 1] = static_cast<std::uint8_t>(value);
    } else {
        m_keptElsewhere[reg] = value;
    }
}

void SimRadio::setRegister(std::uint16_t reg, std::uint16_t value)
{
    std::lock_guard lock(m_mutex);
    keep(reg, value);
    m_written.erase(reg);
}

std::uint16_t SimRadio::registerValue(std::uint16_t reg) const
{
    std::lock_guard lock(m_mutex);
    auto it = m_written.find(reg);
    return it == m_written.end() ? kept(reg) : it->second;
}

std::uint16_t SimRadio::keptRegister(std::uint16_t reg) const
{
    std::lock_guard lock(m_mutex);
    return kept(reg);
}

std::uint8_t SimRadio::outputState(std::uint8_t p1) const
{
    std::lock_guard lock(m_mutex);
    auto it = m_outputs.find(p1);
    return it == m_outputs.end() ? 0 : it->second;
}

std::vector<SimCommand> SimRadio::log() const
{
    std::lock_guard lock(m_mutex);
    return m_log;
}

void SimRadio::clearLog()
{
    std::lock_guard lock(m_mutex);
    m_log.clear();
}

int SimRadio::currentMode() const
{
    std::lock_guard lock(m_mutex);
    return m_mode;
}

SimRadio::Decoded SimRadio::measure() const
{
    if (m_rx.size() < 3) return {0, true};
    const std::uint8_t c1 = m_rx[1], c2 = m_rx[2];
    if (c1 == 'O') return {6, false};
    auto is = [&](char a, char b) { return c1 == a && c2 == b; };
    if (is('P', 'a') || is('V', 'k')) return {4, false};
    if (is('M', 'a') || is('B', 'b') || is('V', 'b') || is('V', 'j')) return {6, false};
    if (is('V', 'a')) return {8, false};  // every tuning register holds two bytes
    if (is('E', 'b')) return {10, false};
    if (is('W', 'b')) return {17, false};
    if (is('E', 'a')) {
        if (m_rx.size() < 5) return {0, true};
        std::size_t count = m_rx[3] | m_rx[4] << 8;
        if (count < 5 || count > kMaxBlock + 5) return {0, false};
        return {count + 6, false};
    }
    return {0, false};
}

std::vector<SimReply> SimRadio::feed(const std::uint8_t* data, std::size_t n,
                                     std::chrono::steady_clock::time_point now)
{
    std::lock_guard lock(m_mutex);
    std::vector<SimReply> replies;
    if (!m_rx.empty() && now - m_lastByte > kInterByteGap) m_rx.clear();
    if (n) m_lastByte = now;
    m_rx.insert(m_rx.end(), data, data + n);
    while (!m_rx.empty()) {
        if (m_rx[0] != Proto::STX) {
            m_rx.erase(m_rx.begin());
            continue;
        }
        Decoded d = measure();
        if (d.needMore) break;
        if (d.length == 0) {  // not a request this radio knows: resynchronise
            m_rx.erase(m_rx.begin());
            continue;
        }
        if (m_rx.size() < d.length) break;
        Proto::Bytes request(m_rx.begin(), m_rx.begin() + static_cast<std::ptrdiff_t>(d.length));
        if (request.back() != Proto::ETX) {
            m_rx.erase(m_rx.begin());
            continue;
        }
        m_rx.erase(m_rx.begin(), m_rx.begin() + static_cast<std::ptrdiff_t>(d.length));
        SimReply r = handle(request);
        if (!r.bytes.empty() || r.lineError) replies.push_back(std::move(r));
    }
    return replies;
}

const SimFault* SimRadio::strikingFault(const SimCommand& cmd)
{
    const bool block = cmd.code == "Eb" || cmd.code == "Ea";
    for (std::size_t i = 0; i < m_faults.size(); ++i) {
        const SimFault& f = m_faults[i];
        if (f.kind == SimFaultKind::SilentAfterBlocks) {
            if (m_blockCommands >= f.count) return &f;
            continue;
        }
        if (f.kind == SimFaultKind::RefuseRegister) continue;  // answered by the register write itself
        if (f.kind == SimFaultKind::RefuseBlock) {
            if (block && cmd.value == f.address) return &f;
            continue;
        }
        if (!f.command.empty() && f.command != cmd.code) continue;
        const int seen = ++m_faultSeen[i];
        if (seen > f.after && (f.times == 0 || seen <= f.after + f.times)) return &f;
    }
    return nullptr;
}

void SimRadio::applyFault(const SimFault& f, SimReply& reply, bool isData) const
{
    auto& b = reply.bytes;
    if (b.empty()) return;
    switch (f.kind) {
    case SimFaultKind::Silence:
    case SimFaultKind::SilentAfterBlocks:
        b.clear();
        break;
    case SimFaultKind::ShortReply:
        b.pop_back();
        break;
    case SimFaultKind::BadChecksum:
        if (isData && b.size() >= 2) b[b.size() - 2] = static_cast<std::uint8_t>(b[b.size() - 2] + 1);
        break;
    case SimFaultKind::BadAck:
        if (isData) b[0] = 0x7F;
        else b[2] = 'n';
        break;
    case SimFaultKind::LineError:
        reply.lineError = true;
        break;
    case SimFaultKind::RefuseBlock:
        if (isData) b.clear();  // a read of the block is not answered
        else b[2] = 'n';        // a write of it is refused
        break;
    case SimFaultKind::RefuseRegister:
    case SimFaultKind::None:
        break;
    }
}

Proto::Bytes SimRadio::dataReply(std::uint8_t c1, std::uint8_t c2, const Proto::Bytes& header,
                                 const std::uint8_t* data, std::size_t n) const
{
    Proto::Bytes r(3 + header.size() + n + 2);
    r[0] = Proto::STX;
    r[1] = c1;
    r[2] = c2;
    std::copy(header.begin(), header.end(), r.begin() + 3);
    std::copy_n(data, n, r.begin() + 3 + static_cast<std::ptrdiff_t>(header.size()));
    r[r.size() - 2] = Proto::checksum(r.data() + 1, r.size() - 3);
    r[r.size() - 1] = Proto::ETX;
    return r;
}

SimReply SimRadio::handle(const Proto::Bytes& request)
{
    SimCommand cmd;
    cmd.code = request[1] == 'O' ? std::string("O") : std::string{static_cast<char>(request[1]), static_cast<char>(request[2])};
    // Requests that carry a checksum are ignored when it is wrong.
    if (cmd.code == "Ea" || cmd.code == "Wb") {
        std::size_t sumAt = request.size() - 2;
        if (Proto::checksum(request.data() + 1, sumAt - 1) != request[sumAt]) return {};
    }
    SimReply reply = answer(request, cmd);
    const bool isData = cmd.code == "Bb" || cmd.code == "Eb" || cmd.code == "Vb";
    if (const SimFault* f = strikingFault(cmd)) applyFault(*f, reply, isData);
    if (!reply.bytes.empty() && (cmd.code == "Eb" || cmd.code == "Ea")) ++m_blockCommands;
    m_log.push_back(std::move(cmd));
    return reply;
}

SimReply SimRadio::answer(const Proto::Bytes& q, SimCommand& cmd)
{
    const std::string& c = cmd.code;
    const bool programming = m_unlocked && (m_mode == 2 || m_mode == 3 || m_mode == 6);
    if (c == "Pa") return {Proto::ack('P', 'a')};
    if (c == "Ma") {
        int mode = q[3] | q[4] << 8;
        cmd.value = static_cast<std::uint32_t>(mode);
        if (mode == Proto::Mode::Leave) {
            m_mode = 0;
            // Back in normal operation the transmitter is never left keyed.
            m_outputs.clear();
            m_unlocked = m_password.empty();
            return {Proto::ack('M', 'a')};
        }
        if (!m_unlocked) {
            m_pendingMode = mode;
            return {Proto::ack('M', 'a', Proto::kPasswordRequired)};
        }
        m_mode = mode;
        return {Proto::ack('M', 'a')};
    }
    if (c == "Wb") {
        std::string digits;
        for (std::size_t i = 7; i < 15 && q[i] != 0; ++i) digits.push_back(static_cast<char>(q[i]));
        cmd.value = q[5];
        cmd.data.assign(digits.begin(), digits.end());
        if (!m_password.empty() && digits != m_password) return {Proto::ack('W', 'b', 'n')};
        m_unlocked = true;
        if (m_pendingMode) m_mode = m_pendingMode;
        m_pendingMode = 0;
        return {Proto::ack('W', 'b')};
    }
    if (c == "Bb") {
        cmd.value = q[3];
        Proto::Bytes data;
        switch (q[3]) {
        case Proto::Item::ModelName: putText(data, m_identity.modelName, Proto::Item::ModelNameLength); break;
        case Proto::Item::Band:
            data.push_back(m_identity.bandFlags);
            putBcd(data, m_identity.lowEdge);
            putBcd(data, m_identity.highEdge);
            break;
        case Proto::Item::Option: data.push_back(m_identity.optionByte); break;
        case Proto::Item::Version:
            putText(data, m_identity.firmwareVersion, 16);
            putText(data, m_identity.productId, 16);
            break;
        default: return {};
        }
        Proto::Bytes header{q[3], 0x00, static_cast<std::uint8_t>(data.size()), 0x00};
        return {dataReply('B', 'c', header, data.data(), data.size())};
    }
    if (c == "Eb" || c == "Ea") {
        const bool write = c == "Ea";
        const std::uint32_t address = le32(&q[write ? 5 : 3]);
        const std::size_t length = write ? q.size() - 11 : static_cast<std::size_t>(q[7] | q[8] << 8);
        cmd.value = address;
        cmd.length = static_cast<std::uint16_t>(length);
        if (write) cmd.data.assign(q.begin() + 9, q.end() - 2);
        if (!programming || m_mode == 6 || length == 0 || length > kMaxBlock || address > kMemorySize ||
            length > kMemorySize - address)
            return {};
        if (write) {
            std::copy(cmd.data.begin(), cmd.data.end(), m_memory.begin() + address);
            return {Proto::ack('E', 'a')};
        }
        Proto::Bytes header(q.begin() + 3, q.begin() + 9);  // address and length echoed
        return {dataReply(Proto::kBlockReplyCode1, Proto::kBlockReplyCode2, header, m_memory.data() + address, length)};
    }
    if (c == "Vb" || c == "Va" || c == "Vj" || c == "Vk") return answerRegister(q, cmd);
    if (c == "O") {
        cmd.value = q[2];
        cmd.data = {q[3]};
        if (!programming || m_mode != Proto::Mode::Tuning) return {};
        m_outputs[q[2]] = q[3];
        return {Proto::ack('O', q[2])};
    }
    return {};
}

SimReply SimRadio::answerRegister(const Proto::Bytes& q, SimCommand& cmd)
{
    const std::string& c = cmd.code;
    if (!m_unlocked || m_mode != Proto::Mode::Tuning) return {};
    if (c == "Vj") {
        for (auto [reg, value] : m_written) keep(reg, value);
        m_written.clear();
        return {Proto::ack('V', 'j')};
    }
    if (c == "Vk") {
        m_written.clear();
        return {Proto::ack('V', 'k')};
    }
    const std::uint16_t reg = static_cast<std::uint16_t>(q[3] | q[4] << 8);
    cmd.value = reg;
    if (c == "Va") {
        cmd.data.assign(q.begin() + 5, q.begin() + 7);
        for (const SimFault& f : m_faults)
            if (f.kind == SimFaultKind::RefuseRegister && f.address == reg) return {Proto::ack('V', 'a', 'n')};
        // The value arrives high byte first.
        m_written[reg] = static_cast<std::uint16_t>(q[5] << 8 | q[6]);
        return {Proto::ack('V', 'a')};
    }
    auto it = m_written.find(reg);
    const std::uint16_t v = it == m_written.end() ? kept(reg) : it->second;
    return {{Proto::STX, 'V', 'c', q[3], q[4], static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v),
             Proto::ETX}};
}
