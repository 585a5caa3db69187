#include "cli/RadioGang.h"

#include "app/BackupStore.h"
#include "cli/CliContext.h"
#include "cli/Terminal.h"
#include "cli/TextOut.h"
#include "cli/Verbs.h"
#include "model/CCodeplugData.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <sstream>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

struct Slot {
    std::atomic<int> percent{0};
    std::atomic<bool> done{false};
    GangRow row;
};

// The first line of what a failed verb printed, without the "qav VERB: " start.
std::string firstFailure(const std::string& err, const std::string& verb)
{
    std::istringstream in(err);
    std::string line, last;
    const std::string prefix = "qav " + verb + ": ";
    while (std::getline(in, line)) {
        if (line.rfind(prefix + "warning:", 0) == 0) continue;
        if (line.rfind(prefix, 0) == 0) return line.substr(prefix.size());
        if (!line.empty()) last = line;
    }
    return last.empty() ? "failed" : last;
}

void runOne(const CliContext& parent, const std::string& verb, RadioOptions opt, const std::string& file, Slot& slot)
{
    std::ostringstream out, err;
    CliContext ctx{out, err, parent.home};
    const Clock::time_point start = Clock::now();
    {
        RadioCliSession session(ctx, opt);
        session.context().progress = [&slot](int p) { slot.percent = p; };
        if (session.ready(verb)) {
            if (verb == "write") {
                if (session.check(verb, session.document().open(file))) {
                    session.simulateCurrentModel();
                    runWriteBody(ctx, session, file);
                }
            } else {
                session.simulateCurrentModel();
                runReadBody(ctx, session, file);
                if (ctx.status == ExitStatus::kOk) slot.row.serial = imageSerial(session.store().image());
            }
        }
    }
    slot.row.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    slot.row.ok = ctx.status == ExitStatus::kOk;
    slot.row.result = slot.row.ok ? "ok" : firstFailure(err.str(), verb);
    slot.done = true;
}

void drawLive(std::ostream& err, const std::vector<std::unique_ptr<Slot>>& slots, bool again)
{
    if (again) err << "\033[" << slots.size() << 'A';
    for (const auto& s : slots) {
        const int p = s->percent;
        const int filled = p * 30 / 100;
        err << "\033[2K" << s->row.port << "  [" << std::string(static_cast<std::size_t>(filled), '#')
            << std::string(static_cast<std::size_t>(30 - filled), ' ') << "] " << p << "%"
            << (s->done ? (s->row.ok ? "  ok" : "  failed") : "") << '\n';
    }
    err << std::flush;
}

}  // namespace

std::string gangFileName(const std::string& file, std::size_t index)
{
    const std::size_t slash = file.find_last_of("/\\");
    const std::size_t dot = file.rfind('.');
    const std::string n = "-" + std::to_string(index + 1);
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash) || dot == slash + 1) return file + n;
    return file.substr(0, dot) + n + file.substr(dot);
}

std::vector<GangRow> runGang(CliContext& ctx, const std::string& verb, const RadioOptions& opt, const std::string& file)
{
    std::vector<std::unique_ptr<Slot>> slots;
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < opt.ports.size(); ++i) {
        auto slot = std::make_unique<Slot>();
        slot->row.port = opt.ports[i];
        slot->row.file = verb == "read" ? gangFileName(file, i) : file;
        slot->row.serial = "-";
        slots.push_back(std::move(slot));
    }
    for (std::size_t i = 0; i < slots.size(); ++i) {
        RadioOptions one = opt;
        one.ports.clear();
        one.port = opt.ports[i];
        one.onlyThisPort = true;
        if (!one.trace.empty()) one.trace = gangFileName(opt.trace, i);
        threads.emplace_back(runOne, std::cref(ctx), verb, one, slots[i]->row.file, std::ref(*slots[i]));
    }
    const bool live = stderrIsTerminal();
    if (live) drawLive(ctx.err, slots, false);
    for (;;) {
        bool all = true;
        for (const auto& s : slots) all = all && s->done;
        if (live) drawLive(ctx.err, slots, true);
        if (all) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    for (std::thread& t : threads) t.join();

    std::vector<GangRow> rows;
    std::size_t portWidth = 4, serialWidth = 13;
    for (const auto& s : slots) {
        rows.push_back(s->row);
        portWidth = std::max(portWidth, s->row.port.size());
        serialWidth = std::max(serialWidth, s->row.serial.size());
    }
    auto pad = [](std::string s, std::size_t w) { return s.append(w > s.size() ? w - s.size() : 0, ' '); };
    ctx.out << pad("port", portWidth) << "  " << pad("serial number", serialWidth) << "  time     result\n";
    int failed = 0;
    for (const GangRow& r : rows) {
        char time[16];
        std::snprintf(time, sizeof time, "%6.1fs", r.seconds);
        ctx.out << pad(printable(r.port), portWidth) << "  " << pad(printable(r.serial), serialWidth) << "  " << time
                << "  " << printable(r.result) << (r.ok && verb == "read" ? " (" + printable(r.file) + ")" : "") << '\n';
        failed += r.ok ? 0 : 1;
    }
    ctx.out << rows.size() - static_cast<std::size_t>(failed) << " of " << rows.size() << " radios "
            << (verb == "read" ? "read" : "written") << '\n';
    if (failed) ctx.fail(verb, std::to_string(failed) + " of " + std::to_string(rows.size()) + " radios failed");
    return rows;
}
