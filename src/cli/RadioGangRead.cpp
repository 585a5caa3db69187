// `qav read -o FILE --port A --port B ...`: one whole read per port, each
// with its own program state (a read changes the current radio, so the
// sessions cannot share one), into FILE-1, FILE-2, ...
#include "app/BackupStore.h"
#include "app/GangWrite.h"
#include "cli/CliContext.h"
#include "cli/RadioGang.h"
#include "model/CCodeplugData.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <sstream>
#include <thread>

namespace {

struct Slot {
    std::atomic<int> percent{0};
    std::atomic<bool> done{false};
    GangRow row;
};

// The first line of what a failed read printed, without the "qav read: " start.
std::string firstFailure(const std::string& err)
{
    std::istringstream in(err);
    std::string line, last;
    const std::string prefix = "qav read: ";
    while (std::getline(in, line)) {
        if (line.rfind(prefix + "warning:", 0) == 0) continue;
        if (line.rfind(prefix, 0) == 0) return line.substr(prefix.size());
        if (!line.empty()) last = line;
    }
    return last.empty() ? "failed" : last;
}

void readOne(const CliContext& parent, RadioOptions opt, Slot& slot)
{
    std::ostringstream out, err;
    CliContext ctx{out, err, parent.home};
    const auto start = std::chrono::steady_clock::now();
    {
        RadioCliSession session(ctx, opt);
        session.context().progress = [&slot](int p) { slot.percent = p; };
        if (session.ready("read")) {
            session.simulateCurrentModel();
            runReadBody(ctx, session, slot.row.file);
            if (ctx.status == ExitStatus::kOk) slot.row.serial = imageSerial(session.store().image());
        }
    }
    slot.row.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    slot.row.ok = ctx.status == ExitStatus::kOk;
    slot.row.result = slot.row.ok ? "ok" : firstFailure(err.str());
    slot.done = true;
}

}  // namespace

void runGangRead(CliContext& ctx, const RadioOptions& opt, const std::string& file)
{
    // Two sessions on one port would each take the other's replies.
    const std::vector<std::string> ports = distinctPorts(opt.ports);
    std::vector<std::unique_ptr<Slot>> slots;
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < ports.size(); ++i) {
        auto slot = std::make_unique<Slot>();
        slot->row.port = ports[i];
        slot->row.file = gangFileName(file, i);
        slots.push_back(std::move(slot));
    }
    for (std::size_t i = 0; i < slots.size(); ++i) {
        RadioOptions one = opt;
        one.ports.clear();
        one.port = ports[i];
        one.onlyThisPort = true;
        if (!one.trace.empty()) one.trace = gangFileName(opt.trace, i);
        threads.emplace_back(readOne, std::cref(ctx), one, std::ref(*slots[i]));
    }
    followGang(ctx.err, ports, [&slots](std::size_t i) {
        const Slot& s = *slots[i];
        const bool done = s.done;  // the row is complete once done is seen
        return GangLine{s.percent, done, done && s.row.ok};
    });
    for (std::thread& t : threads) t.join();

    std::vector<GangRow> rows;
    std::size_t read = 0;
    for (const auto& s : slots) {
        rows.push_back(s->row);
        read += s->row.ok ? 1 : 0;
    }
    printGang(ctx, "read", rows,
              std::to_string(read) + " of " + std::to_string(rows.size()) + " radios read");
}
