#include "app/JsonFieldCodec.h"

#include "model/FreqBcd.h"
#include "model/ToneWord.h"

#include <cstdio>
#include <optional>

using nlohmann::json;
using nlohmann::ordered_json;

namespace {

bool isValidUtf8Text(std::span<const std::uint8_t> s)
{
    for (std::size_t i = 0; i < s.size();) {
        const std::uint8_t c = s[i];
        if (c < 0x20 || c == 0x7F) return false;
        std::size_t extra = 0;
        if (c < 0x80) extra = 0;
        else if ((c & 0xE0) == 0xC0 && c >= 0xC2) extra = 1;
        else if ((c & 0xF0) == 0xE0) extra = 2;
        else if ((c & 0xF8) == 0xF0 && c <= 0xF4) extra = 3;
        else return false;
        if (i + extra >= s.size() && extra) return false;
        for (std::size_t k = 1; k <= extra; ++k)
            if ((s[i + k] & 0xC0) != 0x80) return false;
        // Overlong three-byte forms and UTF-16 surrogates are not UTF-8.
        if (extra == 2 && ((c == 0xE0 && s[i + 1] < 0xA0) || (c == 0xED && s[i + 1] >= 0xA0))) return false;
        if (extra == 3 && ((c == 0xF0 && s[i + 1] < 0x90) || (c == 0xF4 && s[i + 1] >= 0x90))) return false;
        i += extra + 1;
    }
    return true;
}

std::uint64_t maxOf(const FieldDesc& f)
{
    switch (f.kind) {
    case FieldKind::Bits: return (1ull << f.bitCount) - 1;
    case FieldKind::U8: return 0xFF;
    case FieldKind::U16:
    case FieldKind::U16BE:
    case FieldKind::ToneWord: return 0xFFFF;
    default: return 0xFFFFFFFFull;
    }
}

bool isNumeric(FieldKind k) { return k != FieldKind::Text && k != FieldKind::BcdDigits && k != FieldKind::Bytes; }

// The tone word as the channel editor shows it: "off", "67.0", "D023N",
// "D023I" (the inverted code).
std::string toneText(std::uint16_t w)
{
    const unsigned type = ToneWord::type(w);
    if (type == ToneWord::kTypeNone) return "off";
    if (type == ToneWord::kTypeCtcss) return ToneWord::ctcssText(ToneWord::value(w));
    return "D" + ToneWord::cdcssText(ToneWord::value(w)) + (type == 3 ? "I" : "N");
}

std::optional<std::uint16_t> parseTone(const std::string& s)
{
    if (s == "off") return 0;
    if (s.size() == 5 && s[0] == 'D' && (s[4] == 'N' || s[4] == 'I')) {
        for (int i = 1; i < 4; ++i)
            if (s[static_cast<std::size_t>(i)] < '0' || s[static_cast<std::size_t>(i)] > '7') return std::nullopt;
        return ToneWord::write(0, s[4] == 'I' ? 3u : 2u, "", s.substr(1, 3));
    }
    // CTCSS: "67.0", tenths of a hertz.
    unsigned whole = 0, tenth = 0;
    char dot = 0, extra = 0;
    if (std::sscanf(s.c_str(), "%u%c%1u%c", &whole, &dot, &tenth, &extra) != 3 || dot != '.') return std::nullopt;
    const unsigned tenths = whole * 10 + tenth;
    if (tenths < ToneWord::kCtcssMin || tenths > ToneWord::kCtcssMax) return std::nullopt;
    return ToneWord::write(0, ToneWord::kTypeCtcss, s, "");
}

bool isFrequencyText(const std::string& s)
{
    std::size_t dots = 0, digits = 0;
    for (char c : s) {
        if (c == '.') ++dots;
        else if (c >= '0' && c <= '9') ++digits;
        else return false;
    }
    return dots <= 1 && digits > 0;
}

// The record bytes a field occupies, to compare a decoded form with the original.
bool sameField(const Record& a, const Record& b, const FieldDesc& f)
{
    if (f.kind == FieldKind::Bits) return fieldValue(a, f) == fieldValue(b, f);
    for (std::size_t i = 0; i < fieldWidth(f); ++i)
        if (a.data()[f.offset + i] != b.data()[f.offset + i]) return false;
    return true;
}

ordered_json shownForm(const Record& r, const FieldDesc& f, const OptionNames& names)
{
    const std::uint64_t v = fieldValue(r, f);
    switch (f.kind) {
    case FieldKind::BcdFreq: return FreqBcd::text(static_cast<std::uint32_t>(v));
    case FieldKind::ToneWord: return toneText(static_cast<std::uint16_t>(v));
    case FieldKind::Text: return encodeTextBytes(r.bytes(f.offset, f.length));
    case FieldKind::BcdDigits:
    case FieldKind::Bytes: return hexText(r.bytes(f.offset, f.length));
    default: break;
    }
    if (f.listId != 0 && names.text) {
        const std::string text = names.text(f.listId, static_cast<int>(v));
        if (!text.empty()) return text;
    }
    return v;
}

}  // namespace

ordered_json encodeField(const Record& record, const FieldDesc& field, const OptionNames& names)
{
    ordered_json shown = shownForm(record, field, names);
    Record back = record;
    if (decodeField(json::parse(shown.dump()), field, names, back).empty() && sameField(back, record, field)) return shown;
    return fieldValue(record, field);  // only numbers fail to read back as shown
}

std::string decodeField(const json& value, const FieldDesc& f, const OptionNames& names, Record& record)
{
    switch (f.kind) {
    case FieldKind::Text: return decodeTextBytes(value, record.span().subspan(f.offset, f.length));
    case FieldKind::BcdDigits:
    case FieldKind::Bytes: return decodeHex(value, record.span().subspan(f.offset, f.length));
    default: break;
    }
    std::uint64_t v = 0;
    if (value.is_string()) {
        const std::string s = value.get<std::string>();
        if (f.kind == FieldKind::BcdFreq) {
            if (s.empty()) v = FreqBcd::kEmpty;
            else if (!isFrequencyText(s)) return "\"" + s + "\" is not a frequency in MHz";
            else {
                const std::uint32_t units = FreqBcd::parseUnits(s);
                if (units >= FreqBcd::kMaxValue) return "\"" + s + "\" has more than eight digits of 10 Hz";
                v = FreqBcd::fromUnits(units);
            }
        } else if (f.kind == FieldKind::ToneWord) {
            const auto w = parseTone(s);
            if (!w) return "\"" + s + "\" is not a tone (off, 67.0, D023N or D023I)";
            v = *w;
        } else if (f.listId != 0 && names.value) {
            const int n = names.value(f.listId, s);
            if (n < 0) return "\"" + s + "\" is not one of this field's options";
            v = static_cast<std::uint64_t>(n);
        } else {
            return "expected a number";
        }
        if (v > maxOf(f)) return "\"" + s + "\" does not fit the field";
    } else {
        const std::string problem = decodeNumber(value, maxOf(f), v);
        if (!problem.empty()) return problem;
    }
    if (!isNumeric(f.kind)) return "expected text";
    setFieldValue(record, f, v);
    return "";
}

ordered_json encodeTextBytes(std::span<const std::uint8_t> bytes)
{
    std::size_t end = bytes.size();
    while (end > 0 && bytes[end - 1] == 0) --end;
    if (isValidUtf8Text(bytes.first(end))) return std::string(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(end));
    return ordered_json{{"hex", hexText(bytes)}};
}

std::string decodeTextBytes(const json& value, std::span<std::uint8_t> out)
{
    if (value.is_object()) {
        if (value.size() != 1 || !value.contains("hex")) return "expected text or {\"hex\": ...}";
        return decodeHex(value["hex"], out);
    }
    if (!value.is_string()) return "expected text";
    const std::string s = value.get<std::string>();
    if (s.size() > out.size()) return "\"" + s + "\" is longer than " + std::to_string(out.size()) + " bytes";
    if (!isValidUtf8Text(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(s.data()), s.size())))
        return "text holds a control character";
    std::fill(out.begin(), out.end(), std::uint8_t{0});
    std::copy(s.begin(), s.end(), out.begin());
    return "";
}

std::string decodeTextBytes(const json& value, std::vector<std::uint8_t>& out)
{
    if (value.is_object() && value.size() == 1 && value.contains("hex") && value["hex"].is_string()) {
        out.assign(value["hex"].get<std::string>().size() / 2, 0);
        return decodeHex(value["hex"], out);
    }
    if (!value.is_string()) return "expected text";
    const std::string s = value.get<std::string>();
    out.assign(s.begin(), s.end());
    return "";
}

std::string decodeNumber(const json& value, std::uint64_t max, std::uint64_t& out)
{
    // A non-negative number is "unsigned" when parsed from text, but may be
    // a signed integer in a document built by a program.
    if (value.is_number_unsigned()) out = value.get<std::uint64_t>();
    else if (value.is_number_integer() && value.get<std::int64_t>() >= 0)
        out = static_cast<std::uint64_t>(value.get<std::int64_t>());
    else if (value.is_number_integer()) return "negative numbers do not fit the field";
    else return "expected a number";
    if (out > max) return std::to_string(out) + " does not fit the field (at most " + std::to_string(max) + ")";
    return "";
}

std::string hexText(std::span<const std::uint8_t> bytes)
{
    static const char* digits = "0123456789ABCDEF";
    std::string s;
    for (std::uint8_t b : bytes) {
        s += digits[b >> 4];
        s += digits[b & 15];
    }
    return s;
}

std::string decodeHex(const json& value, std::span<std::uint8_t> out)
{
    if (!value.is_string()) return "expected hexadecimal text";
    const std::string s = value.get<std::string>();
    if (s.size() != out.size() * 2)
        return "expected " + std::to_string(out.size() * 2) + " hexadecimal digits, found " + std::to_string(s.size());
    auto nibble = [](char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    for (std::size_t i = 0; i < out.size(); ++i) {
        const int hi = nibble(s[2 * i]), lo = nibble(s[2 * i + 1]);
        if (hi < 0 || lo < 0) return "\"" + s + "\" is not hexadecimal";
        out[i] = static_cast<std::uint8_t>(hi << 4 | lo);
    }
    return "";
}
