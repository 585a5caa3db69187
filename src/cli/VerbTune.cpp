// qav tune list [--port P] [--json]: every tuning register of the
// register-to-offset table with its offset in the tune data and the value
// the radio holds.
// qav tune get REG [--port P]: one register's value, alone on stdout.
// qav tune set REG VALUE [--port P]: writes the value and has the radio
// keep it (Vj).
// Each opens the tuning connection (mode 6) and leaves programming mode
// at the end. REG is hexadecimal (0x optional); VALUE decimal or 0x hex.
#include "cli/CliContext.h"
#include "cli/RadioCli.h"
#include "cli/TextOut.h"
#include "cli/VerbKit.h"
#include "cli/Verbs.h"
#include "link/TuningSessions.h"
#include "model/TuneDataRecord.h"
#include "settings/TextIds.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cstdio>
#include <optional>

namespace {

// The audio volume of the measurement; not kept in the tune data.
constexpr std::uint16_t kVolumeRegister = 0x850B;

struct TuneOptions {
    RadioOptions radio;
    std::string reg;
    std::string value;
    bool json = false;
};

std::optional<unsigned long> number(std::string s, int base)
{
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        s = s.substr(2);
        base = 16;
    }
    unsigned long v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v, base);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return v;
}

bool known(std::uint16_t reg)
{
    if (reg == kVolumeRegister) return true;
    for (const TuneRegister& t : tuneRegisters())
        if (t.reg == reg) return true;
    return false;
}

// The registers of the reference oscillator item (0x8000) take 0-1474,
// the rest one byte.
unsigned mostOf(std::uint16_t reg)
{
    return reg >= 0x8000 && reg <= 0x800E ? 1474 : 255;
}

std::string hex(std::uint16_t reg)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%04X", reg);
    return buf;
}

std::string checkRegister(const std::string& s)
{
    const auto v = number(s, 16);
    if (!v || *v > 0xFFFF || !known(static_cast<std::uint16_t>(*v)))
        return "a tuning register in hexadecimal, as tune list shows it";
    return "";
}

// The radio in tuning mode on `link`; false with the failure reported.
bool openTuning(RadioCliSession& session, CRadioLink& link, const std::string& verb)
{
    const TuningConnection tc = openTuningConnection(link, session.context(), Proto::Mode::Tuning);
    return session.check(verb, tc.result.outcome);
}

void leave(CRadioLink& link)
{
    link.setMode(Proto::Mode::Leave);
    link.close();
}

// readRegister's result as the program's outcome.
Outcome readOutcome(int result)
{
    if (result == 1) return Outcome::success();
    return Outcome::failure(result < 0 ? MsgId::kNoRadio : MsgId::kTuneReadFailed);
}

std::optional<std::uint16_t> readValue(RadioCliSession& session, CRadioLink& link, std::uint16_t reg,
                                       const std::string& verb)
{
    std::uint8_t v[2];
    const int result = link.readRegister(reg, v, 2);
    if (!session.check(verb, readOutcome(result))) {
        leave(link);
        return std::nullopt;
    }
    // The radio sends the value high byte first.
    return static_cast<std::uint16_t>(v[0] << 8 | v[1]);
}

void runList(CliContext& ctx, const TuneOptions& opt)
{
    const std::string verb = "tune list";
    RadioCliSession session(ctx, opt.radio);
    if (!session.ready(verb)) return;
    SessionContext& sc = session.context();
    CRadioLink link(sc.ports, sc.timing);
    if (!openTuning(session, link, verb)) return;
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    std::string text;
    for (const TuneRegister& t : tuneRegisters()) {
        const auto value = readValue(session, link, t.reg, verb);
        if (!value) return;
        rows.push_back({{"register", hex(t.reg)}, {"offset", t.offset}, {"value", *value}});
        char line[48];
        std::snprintf(line, sizeof line, "%s %3u %5u\n", hex(t.reg).c_str(), unsigned(t.offset), unsigned(*value));
        text += line;
    }
    leave(link);
    ctx.out << (opt.json ? rows.dump(2) + "\n" : text);
}

void runGet(CliContext& ctx, const TuneOptions& opt)
{
    const std::string verb = "tune get";
    const auto reg = static_cast<std::uint16_t>(*number(opt.reg, 16));
    RadioCliSession session(ctx, opt.radio);
    if (!session.ready(verb)) return;
    SessionContext& sc = session.context();
    CRadioLink link(sc.ports, sc.timing);
    if (!openTuning(session, link, verb)) return;
    const auto value = readValue(session, link, reg, verb);
    if (!value) return;
    leave(link);
    ctx.out << *value << '\n';
}

void runSet(CliContext& ctx, const TuneOptions& opt)
{
    const std::string verb = "tune set";
    const auto reg = static_cast<std::uint16_t>(*number(opt.reg, 16));
    const auto value = number(opt.value, 10);
    if (!value || *value > mostOf(reg)) {
        ctx.fail(verb, hex(reg) + " takes a value from 0 to " + std::to_string(mostOf(reg)));
        ctx.status = ExitStatus::kBadUsage;
        return;
    }
    RadioCliSession session(ctx, opt.radio);
    if (!session.ready(verb)) return;
    SessionContext& sc = session.context();
    CRadioLink link(sc.ports, sc.timing);
    if (!openTuning(session, link, verb)) return;
    const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(*value >> 8), static_cast<std::uint8_t>(*value)};
    // Vj makes the radio keep what was written; without it the value lasts
    // only until the radio drops it.
    const bool ok = link.writeRegister(reg, bytes, 2) && link.tuningMode(true);
    if (!ok) link.tuningMode(false);
    leave(link);
    if (!session.check(verb, ok ? Outcome::success() : Outcome::failure(MsgId::kTuneWriteFailed))) return;
    ctx.out << "set " << hex(reg) << " to " << *value << " on port " << printable(sc.port) << '\n';
}

}  // namespace

void addTuneVerb(CLI::App& app, CliContext& ctx)
{
    CLI::App* tune = app.add_subcommand("tune", "read or set the radio's tuning registers");
    tune->require_subcommand(1);
    addVerb<TuneOptions>(
        *tune, ctx, "list", "list every tuning register with its tune-data offset and value",
        [](CLI::App& sub, TuneOptions& o) {
            sub.add_flag("--json", o.json, "print a JSON array of {register, offset, value}");
            addRadioOptions(sub, o.radio);
        },
        runList);
    addVerb<TuneOptions>(
        *tune, ctx, "get", "print the value of one tuning register",
        [](CLI::App& sub, TuneOptions& o) {
            sub.add_option("REG", o.reg, "register, hexadecimal (0x8302)")->required()->check(checkRegister);
            addRadioOptions(sub, o.radio);
        },
        runGet);
    addVerb<TuneOptions>(
        *tune, ctx, "set", "write a tuning register and have the radio keep the value",
        [](CLI::App& sub, TuneOptions& o) {
            sub.add_option("REG", o.reg, "register, hexadecimal (0x8302)")->required()->check(checkRegister);
            sub.add_option("VALUE", o.value, "0-255 (0-1474 for the reference oscillator, 0x8002), decimal or 0x hex")->required();
            addRadioOptions(sub, o.radio);
        },
        runSet);
}
