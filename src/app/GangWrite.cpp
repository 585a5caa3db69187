#include "app/GangWrite.h"

#include "app/RadioCommands.h"
#include "link/SessionContext.h"
#include "settings/Prompt.h"
#include "settings/TextIds.h"

#include <algorithm>
#include <chrono>
#include <optional>

namespace {

// Answers the radio's password question with the digits given at start,
// once: a refused password fails that radio instead of asking again, since
// nobody is there to ask while several radios are being written.
class GangPrompt : public IPrompt {
public:
    explicit GangPrompt(std::string password) : m_password(std::move(password)) {}
    bool confirm(int, const std::string&, PromptButtons) override { return false; }
    std::optional<std::string> askPassword(int attempt) override
    {
        asked = true;
        if (attempt > 1 || m_password.empty()) return std::nullopt;
        return m_password;
    }
    bool given() const { return !m_password.empty(); }
    bool asked = false;

private:
    const std::string m_password;
};

// A port the front end has no opener for: the session reports it as a
// port where no radio answered.
class NoPortOpener : public IPortOpener {
public:
    std::unique_ptr<ITransport> open(const std::string&) override { return nullptr; }
};

}  // namespace

struct GangWrite::Radio {
    std::unique_ptr<IPortOpener> opener;
    std::unique_ptr<OnePortOpener> only;
    std::unique_ptr<GangPrompt> prompt;
    std::unique_ptr<SessionContext> context;
    std::atomic<int> percent{0};
    std::atomic<bool> done{false};
    GangResult result;
};

GangWrite::GangWrite(OpenerFor openers, LinkTiming timing) : m_openers(std::move(openers)), m_timing(timing) {}

GangWrite::~GangWrite()
{
    wait();
}

void GangWrite::start(const std::vector<std::string>& ports, const RadioImage& image, const CSettingsManager& settings,
                      const std::string& password)
{
    if (!m_radios.empty()) return;
    for (const std::string& port : distinctPorts(ports)) {
        auto radio = std::make_unique<Radio>();
        radio->result.port = port;
        radio->result.image = image;
        radio->opener = m_openers ? m_openers(port) : nullptr;
        if (!radio->opener) radio->opener = std::make_unique<NoPortOpener>();
        radio->prompt = std::make_unique<GangPrompt>(password);
        radio->only = std::make_unique<OnePortOpener>(*radio->opener, port);
        // Made here, on the caller's thread: the context copies the program
        // values from the settings.
        Radio* r = radio.get();
        radio->context = std::make_unique<SessionContext>(*radio->only, settings, *radio->prompt, port, m_timing,
                                                          [r](int p) { r->percent = p; });
        m_radios.push_back(std::move(radio));
    }
    for (auto& radio : m_radios) m_threads.emplace_back(&GangWrite::run, this, std::ref(*radio));
}

void GangWrite::run(Radio& radio)
{
    const auto begin = std::chrono::steady_clock::now();
    radio.result.transfer = writeToRadio(*radio.context, radio.result.image);
    // The session ends as if cancelled when the prompt gives no (further)
    // password; say why instead of nothing.
    Outcome& outcome = radio.result.transfer.outcome;
    if (!outcome.ok && outcome.message == 0 && radio.prompt->asked) {
        if (radio.prompt->given()) outcome = Outcome::failure(MsgId::kRadioWrongPassword);
        else radio.result.passwordMissing = true;
    }
    radio.result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    radio.done = true;
}

const std::string& GangWrite::port(std::size_t i) const
{
    return m_radios[i]->result.port;
}

int GangWrite::percent(std::size_t i) const
{
    return m_radios[i]->percent;
}

bool GangWrite::done(std::size_t i) const
{
    return m_radios[i]->done;
}

const GangResult& GangWrite::result(std::size_t i) const
{
    return m_radios[i]->result;
}

bool GangWrite::finished() const
{
    return std::all_of(m_radios.begin(), m_radios.end(), [](const auto& r) { return r->done.load(); });
}

void GangWrite::wait()
{
    for (std::thread& t : m_threads)
        if (t.joinable()) t.join();
}

std::vector<std::string> distinctPorts(const std::vector<std::string>& ports)
{
    std::vector<std::string> distinct;
    for (const std::string& port : ports)
        if (!port.empty() && std::find(distinct.begin(), distinct.end(), port) == distinct.end())
            distinct.push_back(port);
    return distinct;
}

bool takeOverFirstWritten(const GangWrite& gang, RadioCommands& radio)
{
    for (std::size_t i = 0; i < gang.size(); ++i) {
        if (!gang.done(i) || !gang.result(i).transfer.outcome.ok) continue;
        GangResult first = gang.result(i);
        first.transfer.port.clear();  // the configured port stays
        return radio.finishWrite(first.transfer, first.image).ok;
    }
    return false;
}
