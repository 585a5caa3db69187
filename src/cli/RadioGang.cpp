#include "cli/RadioGang.h"

#include "app/GangWrite.h"
#include "cli/CliContext.h"
#include "cli/Terminal.h"
#include "cli/TextOut.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

void drawLive(std::ostream& err, const std::vector<std::string>& ports, const std::vector<GangLine>& lines, bool again)
{
    if (again) err << "\033[" << lines.size() << 'A';
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const GangLine& l = lines[i];
        const int filled = std::clamp(l.percent, 0, 100) * 30 / 100;
        err << "\033[2K" << printable(ports[i]) << "  [" << std::string(static_cast<std::size_t>(filled), '#')
            << std::string(static_cast<std::size_t>(30 - filled), ' ') << "] " << l.percent << "%"
            << (l.done ? (l.ok ? "  ok" : "  failed") : "") << '\n';
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

void runGang(CliContext& ctx, const std::string& verb, const RadioOptions& opt, const std::string& file)
{
    if (distinctPorts(opt.ports).empty()) return ctx.fail(verb, "--port names no port");
    if (verb == "write") runGangWrite(ctx, opt, file);
    else runGangRead(ctx, opt, file);
}

void followGang(std::ostream& err, const std::vector<std::string>& ports,
                const std::function<GangLine(std::size_t)>& poll)
{
    const bool live = stderrIsTerminal();
    std::vector<GangLine> lines(ports.size());
    for (bool first = true;; first = false) {
        bool all = true;
        for (std::size_t i = 0; i < ports.size(); ++i) {
            lines[i] = poll(i);
            all = all && lines[i].done;
        }
        if (live) drawLive(err, ports, lines, !first);
        if (all) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
}

void printGang(CliContext& ctx, const std::string& verb, const std::vector<GangRow>& rows, const std::string& summary)
{
    std::size_t portWidth = 4, serialWidth = 13;
    for (const GangRow& r : rows) {
        portWidth = std::max(portWidth, printable(r.port).size());
        serialWidth = std::max(serialWidth, printable(r.serial).size());
    }
    auto pad = [](std::string s, std::size_t w) { return s.append(w > s.size() ? w - s.size() : 0, ' '); };
    ctx.out << pad("port", portWidth) << "  " << pad("serial number", serialWidth) << "  time     result\n";
    std::size_t failed = 0;
    for (const GangRow& r : rows) {
        char time[16];
        std::snprintf(time, sizeof time, "%6.1fs", r.seconds);
        ctx.out << pad(printable(r.port), portWidth) << "  " << pad(printable(r.serial), serialWidth) << "  " << time
                << "  " << printable(r.result) << (r.ok && verb == "read" ? " (" + printable(r.file) + ")" : "") << '\n';
        failed += r.ok ? 0 : 1;
    }
    ctx.out << summary << '\n';
    if (failed) ctx.fail(verb, std::to_string(failed) + " of " + std::to_string(rows.size()) + " radios failed");
}
