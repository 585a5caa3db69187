// `qav write FILE --port A --port B ...`: the codeplug is opened, validated,
// packed and backed up once, exactly as for one radio, then written to
// every port at the same time by the core's gang write, which the window's
// Write to Several Radios uses too. Each session only ever opens its own
// port. The password is given once, on the command line: nobody can be
// asked while several radios are being written.
#include "app/GangWrite.h"
#include "cli/CliContext.h"
#include "cli/RadioGang.h"
#include "settings/TextFormat.h"
#include "settings/TextIds.h"

#include <algorithm>
#include <memory>
#include <set>

namespace {

// One port's opener as the gang owns it: the serial ports, or the
// simulated radio of `--port sim`, with the port's trace when one is kept.
class GangPortOpener : public IPortOpener {
public:
    GangPortOpener(std::unique_ptr<IPortOpener> inner, TraceLog* trace) : m_inner(std::move(inner))
    {
        if (trace) m_traced = std::make_unique<TracingOpener>(*m_inner, *trace);
    }
    std::unique_ptr<ITransport> open(const std::string& port) override
    {
        return m_traced ? m_traced->open(port) : m_inner->open(port);
    }
    std::string lastDeniedDevice() const override { return m_inner->lastDeniedDevice(); }

private:
    std::unique_ptr<IPortOpener> m_inner;
    std::unique_ptr<TracingOpener> m_traced;
};

std::string resultText(RadioCliSession& session, const GangResult& r)
{
    if (r.transfer.outcome.ok) return "ok";
    if (r.passwordMissing) return "the radio asks for its password: give --password";
    if (r.transfer.outcome.message == 0) return "failed";
    return session.text(r.transfer.outcome);
}

}  // namespace

void runGangWrite(CliContext& ctx, const RadioOptions& opt, const std::string& file)
{
    const std::vector<std::string> ports = distinctPorts(opt.ports);
    const bool simulated = std::find(ports.begin(), ports.end(), "sim") != ports.end();
    // The program state the codeplug is checked in; with `--port sim` it
    // also holds the simulated radio, which is lent to that port's session.
    RadioOptions own;
    own.port = simulated ? "sim" : ports.front();
    RadioCliSession session(ctx, own);

    std::vector<std::unique_ptr<TraceLog>> traces;
    for (std::size_t i = 0; i < ports.size() && !opt.trace.empty(); ++i) {
        traces.push_back(std::make_unique<TraceLog>(gangFileName(opt.trace, i)));
        if (!traces.back()->ok()) return ctx.fail("write", "cannot write the trace file " + gangFileName(opt.trace, i));
    }

    if (!session.check("write", session.document().open(file))) return;
    session.simulateCurrentModel();
    RadioImage image{};
    const Outcome prepared = session.commands().prepareWrite(image);
    session.reportBackup("write");
    if (prepared.message == MsgId::kInvalidValues) session.listInvalidValues("write");
    if (!session.check("write", prepared)) return;

    // The factory is asked once per port, in the order of `ports`.
    std::size_t next = 0;
    auto openers = [&](const std::string& port) -> std::unique_ptr<IPortOpener> {
        TraceLog* trace = traces.empty() ? nullptr : traces[next].get();
        ++next;
        std::unique_ptr<IPortOpener> inner;
        if (port == "sim") inner = std::make_unique<SimPortOpener>(*session.simulatedRadio(), std::set<std::string>{"sim"});
        else inner = std::make_unique<SerialPortOpener>();
        return std::make_unique<GangPortOpener>(std::move(inner), trace);
    };
    // The radio in this process answers at once; a real radio needs its pauses.
    GangWrite gang(openers, ports.size() == 1 && simulated ? LinkTiming::fast() : LinkTiming::radio());
    gang.start(ports, image, session.settings(), opt.password);
    followGang(ctx.err, ports, [&gang](std::size_t i) {
        const bool done = gang.done(i);
        return GangLine{gang.percent(i), done, done && gang.result(i).transfer.outcome.ok};
    });
    gang.wait();

    std::vector<GangRow> rows;
    std::size_t written = 0;
    for (std::size_t i = 0; i < gang.size(); ++i) {
        const GangResult& r = gang.result(i);
        GangRow row;
        row.port = r.port;
        row.file = file;
        row.ok = r.transfer.outcome.ok;
        row.result = resultText(session, r);
        row.seconds = r.seconds;
        rows.push_back(row);
        written += row.ok ? 1 : 0;
    }
    takeOverFirstWritten(gang, session.commands());
    std::string summary = session.settings().message(MsgId::kGangSummary);
    if (summary.empty()) summary = "%d of %d radios written.";
    printGang(ctx, "write", rows, formatText(summary, {std::to_string(written), std::to_string(rows.size())}));
}
