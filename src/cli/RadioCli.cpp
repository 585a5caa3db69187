#include "cli/RadioCli.h"
#include "app/RecentFiles.h"
#include "cli/RadioGang.h"
#include "cli/TextOut.h"

#include "cli/CliContext.h"
#include "cli/Terminal.h"
#include "cli/VerbKit.h"
#include "model/CCodeplugData.h"

#include <CLI/CLI.hpp>
#include <cctype>
#include <iostream>

namespace {

bool digitsOnly(const std::string& s)
{
    if (s.empty() || s.size() > 8) return false;
    for (char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

}  // namespace

void addRadioOptions(CLI::App& sub, RadioOptions& opt)
{
    sub.add_option_function<std::vector<std::string>>(
        "--port",
        [&opt](const std::vector<std::string>& given) {
            opt.ports = given;
            opt.port = given.empty() ? std::string() : given.front();
        },
        "port number 1-16, device path, or 'sim' for the simulated radio in this process (no pauses); read and "
        "write take several --port to program radios in parallel");
    sub.add_option("--password", opt.password, "the radio's password (digits), when it asks for one")
        ->check([](const std::string& s) { return digitsOnly(s) ? std::string() : std::string("1 to 8 digits"); });
    sub.add_option("--trace", opt.trace, "write a timestamped hex trace of every byte sent and received to FILE");
}

RadioCliPrompt::RadioCliPrompt(std::string password, const CSettingsManager& settings, std::ostream& err)
    : m_password(std::move(password)), m_settings(settings), m_err(err)
{
}

bool RadioCliPrompt::confirm(int, const std::string& text, PromptButtons)
{
    if (!stdinIsTerminal()) {
        m_err << text << " - no (standard input is not a terminal)\n";
        return false;
    }
    m_err << text << " [y/n] " << std::flush;
    std::string line;
    if (!std::getline(std::cin, line)) return false;
    return !line.empty() && (line[0] == 'y' || line[0] == 'Y');
}

std::optional<std::string> RadioCliPrompt::askPassword(int attempt)
{
    if (!m_password.empty()) {
        // The same digits again would only be refused again.
        if (attempt == 1) return m_password;
        return std::nullopt;
    }
    if (!stdinIsTerminal()) {
        m_unavailable = true;
        return std::nullopt;
    }
    for (;;) {
        auto line = readSecret(m_err, "Radio password: ");
        if (!line || line->empty()) return std::nullopt;
        if (digitsOnly(*line)) return line;
        m_err << "The password is 1 to 8 digits.\n";
    }
}

void RadioCliPrompt::inform(const Outcome& message)
{
    m_err << outcomeText(message, [this](int id) { return m_settings.message(id); }).oneLine() << '\n';
}

RadioCliSession::RadioCliSession(CliContext& ctx, const RadioOptions& opt)
    : m_ctx(ctx), m_opt(opt), m_root(ctx.home)
{
    CSettingsManager& settings = m_root.settings();
    settings.loadStartupLanguage();
    LinkTiming timing = LinkTiming::radio();
    if (opt.port == "sim") {
        // The radio in this process answers at once: it needs none of the
        // pauses a real radio does.
        timing = LinkTiming::fast();
        m_sim = std::make_unique<SimRadio>();
        m_sim->setMemory(factoryMemory(settings.model()));
        // It answers as the radio its memory belongs to.
        simulateCurrentModel();
        m_ports = std::make_unique<SimPortOpener>(*m_sim, std::set<std::string>{"sim"});
    } else {
        m_ports = std::make_unique<SerialPortOpener>();
    }
    IPortOpener* ports = m_ports.get();
    if (!opt.trace.empty()) {
        m_trace = std::make_unique<TraceLog>(opt.trace);
        m_traced = std::make_unique<TracingOpener>(*m_ports, *m_trace);
        ports = m_traced.get();
    }
    if (opt.onlyThisPort) {
        m_only = std::make_unique<OnePortOpener>(*ports, opt.port);
        ports = m_only.get();
    }
    m_prompt = std::make_unique<RadioCliPrompt>(opt.password, settings, ctx.err);
    m_session = std::make_unique<SessionContext>(*ports, settings, *m_prompt, opt.port, timing);
    m_root.compose(*m_prompt);
    // The recent-file list stays in memory, so scripted runs leave Settings.ini alone.
    m_root.document().recentFiles() = RecentFiles();
    m_root.document().ranges().load(settings);
    if (stderrIsTerminal()) {
        m_session->progress = [this](int percent) {
            const int filled = percent * 40 / 100;
            m_ctx.err << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
                      << std::string(static_cast<std::size_t>(40 - filled), ' ') << "] " << percent << "%" << std::flush;
            m_progressShown = true;
        };
    }
}

RadioCliSession::~RadioCliSession() = default;

bool RadioCliSession::ready(const std::string& verb)
{
    if (m_trace && !m_trace->ok()) {
        m_ctx.fail(verb, "cannot write the trace file " + m_opt.trace);
        return false;
    }
    return true;
}

void RadioCliSession::simulateCurrentModel()
{
    if (!m_sim) return;
    const ModelValues& m = m_root.settings().model();
    if (!m_root.settings().language().isAcceptedIdentifier(m.modelId)) return;
    m_sim->setIdentity(identityFor(m, m_sim->identity()));
}

void RadioCliSession::listInvalidValues(const std::string& verb)
{
    for (const InvalidEntry& e : m_root.document().invalidValues().entries())
        m_ctx.err << "qav " << verb << ": invalid value: " << e.label << " (" << e.place << ")\n";
}

void RadioCliSession::endProgress()
{
    if (m_progressShown) m_ctx.err << '\n';
    m_progressShown = false;
}

void RadioCliSession::reportBackup(const std::string& verb)
{
    const BackupResult& b = commands().lastBackup();
    if (!b.attempted || b.ok) return;
    endProgress();
    m_ctx.err << "qav " << verb << ": warning: no backup of the image was kept: " << printable(b.reason) << '\n';
}

bool RadioCliSession::check(const std::string& verb, const Outcome& outcome)
{
    endProgress();
    if (outcome.ok) return true;
    if (outcome.message == 0 && m_prompt->passwordUnavailable()) {
        m_ctx.fail(verb, "the radio asks for its password: give --password (standard input is not a terminal)");
        return false;
    }
    return m_ctx.check(verb, outcome, m_root.text(outcome));
}


namespace {

struct RadioVerbOptions {
    RadioOptions radio;
    std::string file;
};

}  // namespace

void addRadioVerb(CLI::App& app, CliContext& ctx, const char* name, const char* description, RadioFile file,
                  RadioVerbBody body)
{
    auto declare = [file](CLI::App& sub, RadioVerbOptions& o) {
        if (file == RadioFile::Open) sub.add_option("FILE", o.file, "codeplug file")->required();
        if (file == RadioFile::Output) sub.add_option("-o,--output", o.file, "codeplug file to write")->required();
        addRadioOptions(sub, o.radio);
    };
    auto run = [name = std::string(name), file, body](CliContext& c, const RadioVerbOptions& o) {
        if (o.radio.ports.size() > 1) {
            if (name == "read" || name == "write") runGang(c, name, o.radio, o.file);
            else c.fail(name, "--port may be given once for " + name);
            return;
        }
        RadioCliSession session(c, o.radio);
        if (!session.ready(name)) return;
        if (file == RadioFile::Open && !session.check(name, session.document().open(o.file))) return;
        if (file != RadioFile::None) session.simulateCurrentModel();
        body(c, session, o.file);
    };
    addVerb<RadioVerbOptions>(app, ctx, name, description, declare, run);
}
