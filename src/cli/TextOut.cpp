#include "cli/TextOut.h"

std::string printable(std::string_view text)
{
    std::string s(text);
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return s;
}

std::string hexByte(std::uint8_t b)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    return std::string{'0', 'x', kHex[b >> 4], kHex[b & 0xF]};
}

std::string hexBytes(std::span<const std::uint8_t> bytes)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string s;
    s.reserve(bytes.size() * 3);
    for (std::uint8_t b : bytes) {
        if (!s.empty()) s += ' ';
        s += kHex[b >> 4];
        s += kHex[b & 0xF];
    }
    return s;
}

std::string jsonText(const nlohmann::ordered_json& j)
{
    return j.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}
