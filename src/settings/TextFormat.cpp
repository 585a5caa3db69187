#include "settings/TextFormat.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Widths and precisions beyond this are cut, so a hostile "%999999999d"
// cannot ask for a huge buffer.
constexpr int kMaxWidth = 256;

// Appends to the result up to kMaxFormattedText bytes and drops the rest, so
// a long text of wide conversions cannot grow without bound.
class CappedText {
public:
    void add(std::string_view piece)
    {
        const std::size_t room = kMaxFormattedText - m_text.size();
        m_cut = m_cut || piece.size() > room;
        m_text.append(piece.substr(0, room));
    }
    void add(char c) { add(std::string_view(&c, 1)); }
    // The text; when it was cut, without the part of a UTF-8 character the
    // cut left at its end.
    std::string take()
    {
        if (m_cut) {
            auto byte = [this](std::size_t i) { return static_cast<unsigned char>(m_text[i]); };
            std::size_t lead = m_text.size();
            while (lead > 0 && m_text.size() - lead < 3 && (byte(lead - 1) & 0xC0) == 0x80) --lead;
            if (lead > 0 && byte(lead - 1) >= 0xC0) {
                const std::size_t length = byte(lead - 1) >= 0xF0 ? 4 : byte(lead - 1) >= 0xE0 ? 3 : 2;
                if (m_text.size() - (lead - 1) < length) m_text.resize(lead - 1);
            }
        }
        return std::move(m_text);
    }

private:
    std::string m_text;
    bool m_cut = false;
};

// std::strchr also finds the terminator, so a NUL byte in a language text
// would pass as a flag and cut the conversion handed to snprintf short.
bool isOneOf(char c, const char* set) { return c != '\0' && std::strchr(set, c) != nullptr; }

}  // namespace

std::string formatText(std::string_view format, const std::vector<std::string>& args, std::size_t* used)
{
    CappedText out;
    std::size_t next = 0;
    std::size_t i = 0;
    while (i < format.size()) {
        char c = format[i];
        if (c != '%') {
            out.add(c);
            ++i;
            continue;
        }
        std::size_t start = i++;
        if (i < format.size() && format[i] == '%') {
            out.add('%');
            ++i;
            continue;
        }
        std::string spec = "%";
        while (i < format.size() && isOneOf(format[i], "-+ #0")) spec += format[i++];
        int width = 0;
        while (i < format.size() && format[i] >= '0' && format[i] <= '9')
            width = std::min(kMaxWidth, width * 10 + (format[i++] - '0'));
        if (width) spec += std::to_string(width);
        if (i < format.size() && format[i] == '.') {
            ++i;
            int precision = 0;
            while (i < format.size() && format[i] >= '0' && format[i] <= '9')
                precision = std::min(kMaxWidth, precision * 10 + (format[i++] - '0'));
            spec += "." + std::to_string(precision);
        }
        // Length modifiers carry no meaning here: every argument is a string.
        while (i < format.size() && isOneOf(format[i], "hlLqjzt")) ++i;
        if (i >= format.size()) {
            out.add(format.substr(start));
            break;
        }
        char conv = format[i++];
        const std::string arg = next < args.size() ? args[next] : std::string();
        char buf[2 * kMaxWidth + 64];
        switch (conv) {
        case 'd': case 'i':
            std::snprintf(buf, sizeof buf, (spec + "lld").c_str(), std::strtoll(arg.c_str(), nullptr, 10));
            break;
        case 'u': case 'x': case 'X': case 'o':
            std::snprintf(buf, sizeof buf, (spec + "ll" + conv).c_str(),
                          static_cast<unsigned long long>(std::strtoll(arg.c_str(), nullptr, 10)));
            break;
        case 'f': case 'F': case 'e': case 'E': case 'g': case 'G':
            std::snprintf(buf, sizeof buf, (spec + conv).c_str(), std::strtod(arg.c_str(), nullptr));
            break;
        case 'c':
            std::snprintf(buf, sizeof buf, (spec + "c").c_str(), arg.empty() ? ' ' : arg[0]);
            break;
        case 's':
            {
                // Width and precision apply to the argument's bytes.
                std::string s = arg;
                auto dot = spec.find('.');
                if (dot != std::string::npos) s = s.substr(0, std::strtoul(spec.c_str() + dot + 1, nullptr, 10));
                std::size_t w = static_cast<std::size_t>(width);
                if (s.size() < w) {
                    if (spec.find('-') != std::string::npos) s.append(w - s.size(), ' ');
                    else s.insert(0, w - s.size(), ' ');
                }
                out.add(s);
            }
            ++next;
            continue;
        default:
            // Not a conversion we know: keep the text as it stands.
            out.add(format.substr(start, i - start));
            continue;
        }
        out.add(buf);
        ++next;
    }
    if (used) *used = next;
    return out.take();
}
