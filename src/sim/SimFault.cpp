#include "sim/SimFault.h"

#include <charconv>
#include <vector>

namespace {

std::vector<std::string> split(const std::string& s)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t colon = s.find(':', start);
        parts.push_back(s.substr(start, colon - start));
        if (colon == std::string::npos) return parts;
        start = colon + 1;
    }
}

bool number(const std::string& s, long long& out)
{
    int base = 10;
    const char* b = s.data();
    const char* e = s.data() + s.size();
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        b += 2;
    }
    auto r = std::from_chars(b, e, out, base);
    return r.ec == std::errc() && r.ptr == e && out >= 0 && out <= 0xFFFFFFFFLL;
}

}  // namespace

std::optional<SimFault> SimFault::parse(const std::string& text)
{
    auto parts = split(text);
    SimFault f;
    const std::string& kind = parts[0];
    long long n = 0;
    if (kind == "refuse-block" || kind == "silent-after" || kind == "refuse-register") {
        if (parts.size() != 2 || !number(parts[1], n)) return std::nullopt;
        if (kind == "refuse-register") {
            if (n > 0xFFFF) return std::nullopt;
            f.kind = SimFaultKind::RefuseRegister;
            f.address = static_cast<std::uint32_t>(n);
        } else if (kind == "refuse-block") {
            f.kind = SimFaultKind::RefuseBlock;
            f.address = static_cast<std::uint32_t>(n);
        } else {
            f.kind = SimFaultKind::SilentAfterBlocks;
            f.count = static_cast<int>(n);
        }
        return f;
    }
    if (kind == "silence") f.kind = SimFaultKind::Silence;
    else if (kind == "short") f.kind = SimFaultKind::ShortReply;
    else if (kind == "checksum") f.kind = SimFaultKind::BadChecksum;
    else if (kind == "ack") f.kind = SimFaultKind::BadAck;
    else if (kind == "line-error") f.kind = SimFaultKind::LineError;
    else return std::nullopt;
    if (parts.size() > 4) return std::nullopt;
    if (parts.size() >= 2) {
        if (parts[1].size() > 2) return std::nullopt;
        f.command = parts[1];
    }
    if (parts.size() >= 3) {
        if (!number(parts[2], n) || n > 1000000) return std::nullopt;
        f.after = static_cast<int>(n);
    }
    if (parts.size() == 4) {
        if (!number(parts[3], n) || n > 1000000) return std::nullopt;
        f.times = static_cast<int>(n);
    }
    return f;
}
