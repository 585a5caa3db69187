#include "app/ChannelCsv.h"

#include "app/CsvReader.h"
#include "model/CCodeplugData.h"
#include "model/ChannelRecord.h"
#include "model/ChannelStep.h"
#include "model/FieldTable.h"
#include "model/FreqBcd.h"
#include "model/FreqEntry.h"
#include "model/SectionFields.h"
#include "model/ToneTables.h"
#include "model/ToneWord.h"
#include "settings/ModelValues.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <set>

namespace {

const std::vector<std::string> kColumns = {
    "Location", "Name",     "Frequency", "Duplex",   "Offset", "Tone",  "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode", "TStep",
    "Skip",     "Power",    "Comment",   "URCALL",   "RPT1CALL", "RPT2CALL", "DVCODE"};

// Pairs further apart than this are written as a split, not an offset.
constexpr std::uint32_t kSplitUnits = 70u * FreqBcd::kUnitsPerMHz;
constexpr unsigned kSpacing12_5 = 0, kSpacing20 = 1, kSpacing25 = 2;

// A tone as the layout sees one side of it.
struct Tone {
    enum Kind { None, Ctcss, Dcs } kind = None;
    unsigned value = 0;     // tenths of a hertz, or the code's octal value
    bool inverted = false;  // DCS: the R polarity
    bool operator==(const Tone&) const = default;
};

Tone toneOf(std::uint16_t word)
{
    const unsigned type = ToneWord::type(word);
    if (type == ToneWord::kTypeCtcss) return {Tone::Ctcss, ToneWord::value(word), false};
    if (ToneWord::isCdcssType(type)) return {Tone::Dcs, ToneWord::value(word), type == 3};
    return {};
}

std::uint16_t wordOf(const Tone& t)
{
    if (t.kind == Tone::Ctcss) return ToneWord::write(0, ToneWord::kTypeCtcss, ToneWord::ctcssText(t.value), "");
    if (t.kind == Tone::Dcs) return ToneWord::write(0, t.inverted ? 3u : 2u, "", ToneWord::cdcssText(t.value));
    return 0;
}

std::string mhzText(std::uint32_t units)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%u.%06u", units / FreqBcd::kUnitsPerMHz, (units % FreqBcd::kUnitsPerMHz) * 10u);
    return buf;
}

std::string wattsText(double w)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%.1fW", w);
    return buf;
}

const char* stepText(unsigned code)
{
    switch (code) {
    case StepCode::k5kHz: return "5.00";
    case StepCode::k6_25kHz: return "6.25";
    case StepCode::k10kHz: return "10.00";
    default: return "12.50";
    }
}

unsigned bitsOf(const Record& r, const char* name)
{
    return static_cast<unsigned>(fieldValue(r, *findField(Section::Channels, name)));
}

void setBitsOf(Record& r, const char* name, unsigned value)
{
    setFieldValue(r, *findField(Section::Channels, name), value);
}

// --- reading ---------------------------------------------------------------

// "446.00625" or "446" in MHz to Hz; nullopt when it is not such a number.
std::optional<std::uint64_t> parseHz(const std::string& text)
{
    if (text.empty() || text.size() > 20) return std::nullopt;
    std::uint64_t mhz = 0, frac = 0;
    std::size_t i = 0, digits = 0, fracDigits = 0;
    for (; i < text.size() && text[i] != '.'; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        mhz = mhz * 10 + static_cast<unsigned>(text[i] - '0');
        ++digits;
    }
    if (i < text.size()) {
        for (++i; i < text.size(); ++i) {
            if (text[i] < '0' || text[i] > '9' || fracDigits == 6) return std::nullopt;
            frac = frac * 10 + static_cast<unsigned>(text[i] - '0');
            ++fracDigits;
        }
    }
    if (digits + fracDigits == 0 || mhz > 100000) return std::nullopt;
    while (fracDigits++ < 6) frac *= 10;
    return mhz * 1000000 + frac;
}

std::optional<unsigned> parseCtcssTenths(const std::string& text)
{
    char* end = nullptr;
    const double hz = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(hz >= 40.0 && hz <= 300.0)) return std::nullopt;
    return static_cast<unsigned>(std::lround(hz * 10));
}

std::optional<unsigned> parseDcsCode(const std::string& text)
{
    if (text.empty() || text.size() > 3) return std::nullopt;
    unsigned code = 0;
    for (char c : text) {
        if (c < '0' || c > '7') return std::nullopt;
        code = code * 8 + static_cast<unsigned>(c - '0');
    }
    return code;
}

std::string lower(std::string s)
{
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::optional<unsigned> parsePower(const std::string& text)
{
    const std::string t = lower(text);
    if (t == "low" || t == "l") return 0;
    if (t == "mid" || t == "middle" || t == "m") return 1;
    if (t == "high" || t == "h") return 2;
    if (t.size() > 1 && t.back() == 'w') {
        char* end = nullptr;
        const std::string number = t.substr(0, t.size() - 1);
        const double w = std::strtod(number.c_str(), &end);
        if (*end != '\0' || !(w >= 0)) return std::nullopt;
        // The level whose nominal output is nearest.
        unsigned best = 0;
        for (unsigned k = 1; k < std::size(kPowerWatts); ++k)
            if (std::fabs(kPowerWatts[k] - w) < std::fabs(kPowerWatts[best] - w)) best = k;
        return best;
    }
    return std::nullopt;
}

struct RowReader {
    const std::vector<std::string>& header;
    const CsvRow& row;
    std::vector<std::string>& errors;
    std::vector<std::string>& warnings;

    std::string where(const std::string& column) const
    {
        return "line " + std::to_string(row.line) + (column.empty() ? "" : ", " + column);
    }
    bool has(const std::string& column) const
    {
        return std::find(header.begin(), header.end(), column) != header.end();
    }
    std::string get(const std::string& column) const
    {
        const auto it = std::find(header.begin(), header.end(), column);
        if (it == header.end()) return "";
        const auto i = static_cast<std::size_t>(it - header.begin());
        return i < row.fields.size() ? row.fields[i] : "";
    }
    void error(const std::string& column, const std::string& what) { errors.push_back(where(column) + ": " + what); }
    void warn(const std::string& column, const std::string& what) { warnings.push_back(where(column) + ": " + what); }

    std::optional<Tone> ctcss(const char* column)
    {
        const auto tenths = parseCtcssTenths(get(column));
        if (!tenths) error(column, "\"" + get(column) + "\" is not a CTCSS tone from 40.0 to 300.0 Hz");
        else return Tone{Tone::Ctcss, *tenths, false};
        return std::nullopt;
    }
    std::optional<Tone> dcs(const char* column, bool inverted)
    {
        const auto code = parseDcsCode(get(column));
        if (!code) error(column, "\"" + get(column) + "\" is not a DCS code (three octal digits)");
        else return Tone{Tone::Dcs, *code, inverted};
        return std::nullopt;
    }
};

struct ChannelRow {
    long location;
    int line;
    Record record;
};

// Frequency in 10 Hz units, clamped to the band and put on a channel step.
std::uint32_t channelUnits(std::uint64_t hz, const FreqBand& band, RowReader& in, const char* column)
{
    std::uint64_t units = (hz + 5) / 10;
    if (units * 10 != hz) in.warn(column, "rounded to 10 Hz");
    const BandClamp clamp = clampToBand(static_cast<std::uint32_t>(std::min<std::uint64_t>(units, FreqBcd::kMaxValue)), band);
    if (clamp.changed)
        in.warn(column, mhzText(static_cast<std::uint32_t>(std::min<std::uint64_t>(units, 0xFFFFFFFFu))) +
                            " MHz is outside the radio's band; set to " + mhzText(clamp.units) + " MHz");
    const StepResult step = classifyDialogStep(clamp.units);
    if (step.units != clamp.units)
        in.warn(column, mhzText(clamp.units) + " MHz is on no channel step; set to " + mhzText(step.units) + " MHz");
    return step.units;
}

// The row's channel; nullopt when the row is left out or refused.
std::optional<Record> readChannel(RowReader& in, const ModelValues& model, int index)
{
    const std::size_t errorsBefore = in.errors.size();
    const FreqBand band = FreqBand::of(model);
    Record r = defaultChannelRecord(index, model);

    const std::string mode = in.get("Mode");
    unsigned spacing = kSpacing25;
    if (mode == "NFM") spacing = kSpacing12_5;
    else if (mode == "FM" || mode.empty()) spacing = mode.empty() ? bitsOf(r, "spacing") : kSpacing25;
    else {
        in.warn("Mode", "the radio has no " + mode + "; the row is left out");
        return std::nullopt;
    }
    const std::string tmode = in.get("Tone");
    if (tmode == "DTCS-R" || tmode == "TSQL-R") {
        in.warn("Tone", "the radio has no reverse tone squelch (" + tmode + "); the row is left out");
        return std::nullopt;
    }

    const auto rxHz = parseHz(in.get("Frequency"));
    if (!rxHz) {
        in.error("Frequency", "\"" + in.get("Frequency") + "\" is not a frequency in MHz");
        return std::nullopt;
    }
    const std::string duplex = in.get("Duplex");
    std::uint64_t txHz = *rxHz;
    bool transmits = true;
    if (duplex == "+" || duplex == "-" || duplex == "split") {
        const auto offset = parseHz(in.get("Offset"));
        if (!offset) in.error("Offset", "\"" + in.get("Offset") + "\" is not a frequency in MHz");
        else if (duplex == "split") txHz = *offset;
        else if (duplex == "-" && *offset > *rxHz) in.error("Offset", "goes below 0 MHz");
        else txHz = duplex == "+" ? *rxHz + *offset : *rxHz - *offset;
    } else if (duplex == "off") {
        transmits = false;
    } else if (!duplex.empty()) {
        in.error("Duplex", "\"" + duplex + "\" is none of +, -, split, off or empty");
    }

    // The tones of both sides.
    Tone tx, rx;
    const std::string polarity = in.has("DtcsPolarity") && !in.get("DtcsPolarity").empty() ? in.get("DtcsPolarity") : "NN";
    const bool polarityOk = polarity.size() == 2 && (polarity[0] == 'N' || polarity[0] == 'R') &&
                            (polarity[1] == 'N' || polarity[1] == 'R');
    auto needPolarity = [&] {
        if (!polarityOk) in.error("DtcsPolarity", "\"" + polarity + "\" is none of NN, NR, RN, RR");
    };
    auto set = [](Tone& side, std::optional<Tone> t) {
        if (t) side = *t;
    };
    if (tmode == "Tone") {
        set(tx, in.ctcss("rToneFreq"));
    } else if (tmode == "TSQL") {
        // A file with only one of the two tone columns means it for both.
        const char* column = in.has("cToneFreq") ? "cToneFreq" : "rToneFreq";
        set(tx, in.ctcss(column));
        rx = tx;
    } else if (tmode == "DTCS") {
        needPolarity();
        set(tx, in.dcs("DtcsCode", polarity[0] == 'R'));
        set(rx, in.dcs("DtcsCode", polarityOk && polarity[1] == 'R'));
    } else if (tmode == "Cross") {
        const std::string cross = in.has("CrossMode") && !in.get("CrossMode").empty() ? in.get("CrossMode") : "Tone->Tone";
        const auto arrow = cross.find("->");
        const std::string txKind = arrow == std::string::npos ? "?" : cross.substr(0, arrow);
        const std::string rxKind = arrow == std::string::npos ? "?" : cross.substr(arrow + 2);
        const std::set<std::string> kinds = {"", "Tone", "DTCS"};
        if (!kinds.count(txKind) || !kinds.count(rxKind) || (txKind.empty() && rxKind.empty())) {
            in.error("CrossMode", "\"" + cross + "\" is not a cross mode");
        } else {
            if (txKind == "DTCS" || rxKind == "DTCS") needPolarity();
            if (txKind == "Tone") set(tx, in.ctcss("rToneFreq"));
            if (txKind == "DTCS") set(tx, in.dcs("DtcsCode", polarity[0] == 'R'));
            if (rxKind == "Tone") set(rx, in.ctcss("cToneFreq"));
            if (rxKind == "DTCS")
                set(rx, in.dcs(in.has("RxDtcsCode") ? "RxDtcsCode" : "DtcsCode", polarityOk && polarity[1] == 'R'));
        }
    } else if (!tmode.empty()) {
        in.error("Tone", "\"" + tmode + "\" is not a tone mode");
    }

    unsigned power = bitsOf(r, "power");
    if (const std::string p = in.get("Power"); !p.empty()) {
        if (const auto level = parsePower(p)) power = *level;
        else in.error("Power", "\"" + p + "\" is not a power level (Low, Mid, High or watts such as 5.0W)");
    }
    if (in.errors.size() != errorsBefore) return std::nullopt;

    for (const char* column : {"Name", "Skip", "Comment", "URCALL", "RPT1CALL", "RPT2CALL", "DVCODE"})
        if (!in.get(column).empty()) in.warn(column, "the radio has no place for \"" + in.get(column) + "\"; left out");

    using namespace ChannelField;
    const std::uint32_t rxUnits = channelUnits(*rxHz, band, in, "Frequency");
    r.setU32(RxFreq, FreqBcd::fromUnits(rxUnits));
    r.setU16(RxTone, wordOf(rx));
    setBitsOf(r, "rx_step", classifyDialogStep(rxUnits).code);
    if (transmits) {
        const std::uint32_t txUnits = channelUnits(txHz, band, in, duplex == "" ? "Frequency" : "Offset");
        r.setU32(TxFreq, FreqBcd::fromUnits(txUnits));
        setBitsOf(r, "tx_step", classifyDialogStep(txUnits).code);
    } else {
        r.setU32(TxFreq, FreqBcd::kEmpty);
        setBitsOf(r, "tx_step", StepCode::kNone);
    }
    r.setU16(TxTone, wordOf(tx));
    setBitsOf(r, "spacing", spacing);
    setBitsOf(r, "power", power);
    return r;
}

}  // namespace

CsvExport channelsToCsv(const CCodeplugData& store)
{
    CsvExport out;
    out.text = csvLine(kColumns);
    for (std::size_t i = 0; i < store.channels.size(); ++i) {
        const Record& r = store.channels[i].record;
        const std::string where = "channel " + std::to_string(i + 1);
        using namespace ChannelField;
        const std::uint32_t rxWord = r.u32(RxFreq), txWord = r.u32(TxFreq);
        if (rxWord == FreqBcd::kEmpty) {
            out.warnings.push_back(where + ": no receive frequency; left out");
            continue;
        }
        const std::uint32_t rxUnits = FreqBcd::toUnits(rxWord);
        std::string duplex, offset = "0.000000";
        if (txWord == FreqBcd::kEmpty) {
            duplex = "off";
        } else if (const std::uint32_t txUnits = FreqBcd::toUnits(txWord); txUnits != rxUnits) {
            const std::uint32_t diff = txUnits > rxUnits ? txUnits - rxUnits : rxUnits - txUnits;
            duplex = diff >= kSplitUnits ? "split" : txUnits > rxUnits ? "+" : "-";
            offset = mhzText(duplex == "split" ? txUnits : diff);
        }

        const Tone tx = toneOf(r.u16(TxTone)), rx = toneOf(r.u16(RxTone));
        std::string tmode, cross = "Tone->Tone";
        std::string rTone = "88.5", cTone = "88.5", dtcs = "023", rxDtcs = "023";
        char pol[3] = "NN";
        auto kind = [](const Tone& t) { return t.kind == Tone::Ctcss ? "Tone" : t.kind == Tone::Dcs ? "DTCS" : ""; };
        if (tx.kind == Tone::Ctcss) rTone = ToneWord::ctcssText(tx.value);
        if (rx.kind == Tone::Ctcss) cTone = ToneWord::ctcssText(rx.value);
        if (tx.kind == Tone::Dcs) dtcs = ToneWord::cdcssText(tx.value), pol[0] = tx.inverted ? 'R' : 'N';
        if (rx.kind == Tone::Dcs) rxDtcs = ToneWord::cdcssText(rx.value), pol[1] = rx.inverted ? 'R' : 'N';
        if (tx.kind == Tone::None && rx.kind == Tone::None) {
        } else if (tx.kind == Tone::Ctcss && rx.kind == Tone::None) {
            tmode = "Tone";
        } else if (tx.kind == Tone::Ctcss && rx.kind == Tone::Ctcss && tx.value == rx.value) {
            tmode = "TSQL";
            cTone = rTone;
        } else if (tx.kind == Tone::Dcs && rx.kind == Tone::Dcs && tx.value == rx.value) {
            tmode = "DTCS";
        } else {
            tmode = "Cross";
            cross = std::string(kind(tx)) + "->" + kind(rx);
        }
        for (const Tone* t : {&tx, &rx}) {
            if (t->kind == Tone::Ctcss && !ToneTables::isStandardCtcss(t->value))
                out.warnings.push_back(where + ": CTCSS " + ToneWord::ctcssText(t->value) +
                                       " Hz is not a standard tone; other programs may refuse it");
            if (t->kind == Tone::Dcs && t->value > 0777)
                out.warnings.push_back(where + ": DCS code out of range");
        }

        const unsigned spacing = bitsOf(r, "spacing");
        if (spacing == kSpacing20) out.warnings.push_back(where + ": 20 kHz spacing is written as FM (25 kHz)");
        const unsigned power = std::min<unsigned>(bitsOf(r, "power"), std::size(kPowerWatts) - 1);

        out.text += csvLine({std::to_string(i + 1), "", mhzText(rxUnits), duplex, offset, tmode, rTone, cTone, dtcs, pol,
                             rxDtcs, cross, spacing == kSpacing12_5 ? "NFM" : "FM", stepText(bitsOf(r, "rx_step")), "",
                             wattsText(kPowerWatts[power]), "", "", "", "", ""});
    }
    return out;
}

CsvImport channelsFromCsv(std::string_view text, const ModelValues& model, std::size_t limit)
{
    CsvImport result;
    std::vector<CsvRow> rows;
    std::string error;
    if (!readCsv(text, rows, error)) {
        result.errors.push_back(error);
        return result;
    }
    if (rows.empty() || std::find(rows[0].fields.begin(), rows[0].fields.end(), "Location") == rows[0].fields.end() ||
        std::find(rows[0].fields.begin(), rows[0].fields.end(), "Frequency") == rows[0].fields.end()) {
        result.errors.push_back("line 1: not a channel list header (it needs at least Location and Frequency)");
        return result;
    }
    const std::vector<std::string> header = rows[0].fields;
    std::map<long, int> seen;  // Location -> line
    std::vector<ChannelRow> channels;
    for (std::size_t k = 1; k < rows.size(); ++k) {
        RowReader in{header, rows[k], result.errors, result.warnings};
        if (rows[k].fields.size() < header.size()) {
            in.error("", "has " + std::to_string(rows[k].fields.size()) + " fields, the header " +
                             std::to_string(header.size()));
            continue;
        }
        const std::string loc = in.get("Location");
        char* end = nullptr;
        const long location = std::strtol(loc.c_str(), &end, 10);
        if (loc.empty() || *end != '\0' || location < 0) {
            in.error("Location", "\"" + loc + "\" is not a channel number");
            continue;
        }
        if (const auto it = seen.find(location); it != seen.end()) {
            in.error("Location", std::to_string(location) + " is given twice (also on line " +
                                     std::to_string(it->second) + ")");
            continue;
        }
        seen[location] = rows[k].line;
        if (auto r = readChannel(in, model, static_cast<int>(channels.size())))
            channels.push_back({location, rows[k].line, std::move(*r)});
    }
    std::stable_sort(channels.begin(), channels.end(),
                     [](const ChannelRow& a, const ChannelRow& b) { return a.location < b.location; });
    if (channels.size() > limit)
        result.errors.push_back("line " + std::to_string(channels[limit].line) + ": the radio holds " +
                                std::to_string(limit) + " channels; this file has " +
                                std::to_string(channels.size()));
    if (channels.empty() && result.errors.empty()) result.errors.push_back("the file holds no channel the radio can use");
    if (!result.errors.empty()) return result;
    for (std::size_t i = 0; i < channels.size(); ++i) {
        // Default values that depend on the position follow the channel's new place.
        Record& r = channels[i].record;
        const Record position = defaultChannelRecord(static_cast<int>(i), model);
        using namespace ChannelField;
        r.setBit(Flags, AutoStartScanBit, position.bit(Flags, AutoStartScanBit));
        result.channels.push_back(std::move(r));
    }
    result.ok = true;
    return result;
}
