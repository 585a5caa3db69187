#include "cli/RadioCli.h"

#include "cli/CliContext.h"
#include "cli/Terminal.h"
#include "model/CCodeplugData.h"
#include "settings/TextFormat.h"

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
    sub.add_option("--port", opt.port, "port number 1-16, device path, or 'sim' for the simulated radio in this process (no pauses)");
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
    std::string text = m_settings.message(message.message);
    if (text.empty()) text = "message " + std::to_string(message.message);
    m_err << formatText(text, message.args) << '\n';
}

RadioCliSession::RadioCliSession(CliContext& ctx, const RadioOptions& opt) : m_ctx(ctx), m_opt(opt)
{
    m_settings = ctx.home.empty() ? std::make_unique<CSettingsManager>()
                                  : std::make_unique<CSettingsManager>(ctx.home.back() == '/' ? ctx.home : ctx.home + "/");
    m_settings->loadStartupLanguage();
    LinkTiming timing = LinkTiming::radio();
    if (opt.port == "sim") {
        // The radio in this process answers at once: it needs none of the
        // pauses a real radio does.
        timing = LinkTiming::fast();
        m_sim = std::make_unique<SimRadio>();
        ModelValues model = m_settings->model();
        m_sim->setMemory(factoryMemory(model));
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
    m_prompt = std::make_unique<RadioCliPrompt>(opt.password, *m_settings, ctx.err);
    m_session = std::make_unique<SessionContext>(SessionContext{*ports, *m_settings, *m_prompt, opt.port, timing, {}});
    m_store = std::make_unique<CCodeplugData>();
    m_document = std::make_unique<DocumentService>(*m_settings, *m_store, *m_prompt, m_observer);
    m_document->ranges().load(*m_settings);
    m_commands = std::make_unique<RadioCommands>(*m_document, *m_store, *m_settings, *m_prompt, m_observer);
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
    const ModelValues& m = m_settings->model();
    if (!m_settings->language().isAcceptedIdentifier(m.modelId)) return;
    SimIdentity id = m_sim->identity();
    id.productId = m.modelId;
    id.modelName = m.modelName;
    if (m.lowMHz() > 0 && m.highMHz() > m.lowMHz()) {
        id.lowEdge = static_cast<std::uint32_t>(m.lowMHz()) * 100000u;
        id.highEdge = static_cast<std::uint32_t>(m.highMHz()) * 100000u;
    }
    m_sim->setIdentity(id);
}

void RadioCliSession::listInvalidValues(const std::string& verb)
{
    for (const InvalidEntry& e : m_document->invalidValues().entries())
        m_ctx.err << "qav " << verb << ": invalid value: " << e.label << " (" << e.place << ")\n";
}

void RadioCliSession::endProgress()
{
    if (m_progressShown) m_ctx.err << '\n';
    m_progressShown = false;
}

std::string RadioCliSession::text(const Outcome& outcome) const
{
    if (outcome.message == 0) return {};
    std::string format = m_settings->message(outcome.message);
    if (format.empty()) {
        std::string t = "message " + std::to_string(outcome.message);
        for (const auto& a : outcome.args) t += " " + a;
        return t;
    }
    std::string shown = formatText(format, outcome.args);
    // A text that takes no arguments still gets them: which file, and why.
    if (format.find('%') == std::string::npos && !outcome.args.empty()) {
        shown += " (";
        for (std::size_t i = 0; i < outcome.args.size(); ++i) shown += (i ? ": " : "") + outcome.args[i];
        shown += ")";
    }
    return shown;
}

bool RadioCliSession::check(const std::string& verb, const Outcome& outcome)
{
    endProgress();
    if (outcome.ok) return true;
    if (outcome.message != 0) m_ctx.fail(verb, text(outcome));
    else if (m_prompt->passwordUnavailable())
        m_ctx.fail(verb, "the radio asks for its password: give --password (standard input is not a terminal)");
    else
        m_ctx.fail(verb, "cancelled");
    return false;
}

SimRadio::Memory factoryMemory(const ModelValues& model)
{
    auto store = std::make_unique<CCodeplugData>();
    store->loadDefaults(model);
    store->pack();
    SimRadio::Memory mem;
    std::copy(store->image().begin(), store->image().end(), mem.begin());
    return mem;
}
