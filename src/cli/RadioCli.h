#pragma once
// What the radio verbs (detect, read, write, write-tune) share: the --port,
// --password and --trace options, the settings of the program directory,
// the terminal prompt, the progress bar, and the radio's messages in the
// user's language.
#include "app/AppRoot.h"
#include "app/DocumentService.h"
#include "app/RadioCommands.h"
#include "link/LinkTiming.h"
#include "link/PortOpener.h"
#include "link/SessionContext.h"
#include "link/Trace.h"
#include "settings/Outcome.h"
#include "settings/Prompt.h"
#include "settings/SettingsManager.h"
#include "sim/SimFactoryRadio.h"
#include "sim/SimTransport.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}
struct CliContext;
class RadioCliSession;

struct RadioOptions {
    std::string port;      // number, device path or "sim"; empty: the configured port
    std::vector<std::string> ports;  // every --port given (read and write take several)
    std::string password;  // answers the radio's password question
    std::string trace;     // file for the byte trace
    // Never look for the radio on other ports (one of several radios being
    // programmed at once: another port belongs to another session).
    bool onlyThisPort = false;
};

// The bodies of read and write for one radio on a session that is ready.
void runReadBody(CliContext& ctx, RadioCliSession& session, const std::string& out);
void runWriteBody(CliContext& ctx, RadioCliSession& session, const std::string& file);

// Adds --port, --password and --trace to a radio verb.
void addRadioOptions(CLI::App& sub, RadioOptions& opt);

// Asks on the terminal, or answers from the command line.
class RadioCliPrompt : public IPrompt {
public:
    RadioCliPrompt(std::string password, const CSettingsManager& settings, std::ostream& err);
    bool confirm(int messageId, const std::string& text, PromptButtons buttons) override;
    std::optional<std::string> askPassword(int attempt) override;
    void inform(const Outcome& message) override;
    // The radio asked for a password that could not be asked for.
    bool passwordUnavailable() const { return m_unavailable; }

private:
    std::string m_password;
    const CSettingsManager& m_settings;
    std::ostream& m_err;
    bool m_unavailable = false;
};

// Everything a radio session needs, built from the options. With --port sim
// the simulated radio runs in this process.
class RadioCliSession {
public:
    RadioCliSession(CliContext& ctx, const RadioOptions& opt);
    ~RadioCliSession();

    // False (with the failure reported) when the trace file cannot be written.
    bool ready(const std::string& verb);
    CSettingsManager& settings() { return m_root.settings(); }
    SessionContext& context() { return *m_session; }
    RadioCliPrompt& prompt() { return *m_prompt; }
    // The document procedures on a store of this session's own.
    CCodeplugData& store() { return m_root.store(); }
    DocumentService& document() { return m_root.document(); }
    RadioCommands& commands() { return m_root.radio(); }
    // Prints the invalid values the last validation found.
    void listInvalidValues(const std::string& verb);
    // The in-process simulated radio of --port sim, or null.
    SimRadio* simulatedRadio() { return m_sim.get(); }
    // Makes the in-process simulated radio the current model, when the
    // current model is one a radio may be (so a file of it can be written).
    void simulateCurrentModel();
    // Ends the progress line.
    void endProgress();
    // Says on stderr when the last transfer's backup could not be kept.
    void reportBackup(const std::string& verb);
    // Reports a failed outcome in the user's language; true on success.
    bool check(const std::string& verb, const Outcome& outcome);
    std::string text(const Outcome& outcome) const { return m_root.text(outcome).oneLine(); }

private:
    CliContext& m_ctx;
    RadioOptions m_opt;
    AppRoot m_root;
    std::unique_ptr<SimRadio> m_sim;
    std::unique_ptr<IPortOpener> m_ports;
    std::unique_ptr<TraceLog> m_trace;
    std::unique_ptr<TracingOpener> m_traced;
    std::unique_ptr<OnePortOpener> m_only;
    std::unique_ptr<RadioCliPrompt> m_prompt;
    std::unique_ptr<SessionContext> m_session;
    bool m_progressShown = false;
};

