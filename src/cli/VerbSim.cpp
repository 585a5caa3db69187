// qav sim [--pty] [--image FILE] [--password DIGITS] [--fault SPEC]...
//         [--line-rate] [--model-id ID] [--model-name NAME] [--firmware V]
//         [--band LO-HI] [--band-flags N] [--option-byte N]
// Runs the simulated radio on a pseudo-terminal, prints the device path to
// use as a port and serves until interrupted.
#include "cli/CliContext.h"
#include "cli/RadioCli.h"
#include "cli/TextOut.h"
#include "cli/VerbKit.h"
#include "cli/Verbs.h"
#include "model/CodeplugFile.h"
#include "sim/SimPty.h"

#include <CLI/CLI.hpp>
#include <csignal>
#include <cstdio>

namespace {

struct SimOptions {
    bool pty = true;
    std::string image;
    std::string password;
    std::vector<std::string> faults;
    bool lineRate = false;
    SimIdentity identity;
    std::string band = "136-174";
    int bandFlags = 0x80;
    int optionByte = 0;
};

SimPtyServer* g_server = nullptr;

extern "C" void stopServing(int)
{
    if (g_server) g_server->stop();  // only writes to a pipe
}

void runSim(CliContext& ctx, SimOptions& opt)
{
    SimRadio radio;
    int lo = 0, hi = 0;
    std::sscanf(opt.band.c_str(), "%d-%d", &lo, &hi);
    opt.identity.lowEdge = static_cast<std::uint32_t>(lo) * 100000u;
    opt.identity.highEdge = static_cast<std::uint32_t>(hi) * 100000u;
    opt.identity.bandFlags = static_cast<std::uint8_t>(opt.bandFlags);
    opt.identity.optionByte = static_cast<std::uint8_t>(opt.optionByte);
    radio.setIdentity(opt.identity);
    radio.setPassword(opt.password);
    for (const auto& spec : opt.faults) radio.addFault(*SimFault::parse(spec));

    if (!opt.image.empty()) {
        SimRadio::Memory mem;
        mem.fill(0xFF);
        std::size_t count = 0;
        std::string reason;
        if (!CCodeplugFile::readImage(opt.image, mem, count, &reason)) {
            ctx.fail("sim", opt.image + ": " + reason);
            return;
        }
        radio.setMemory(mem);
    } else {
        radio.setMemory(factoryMemory({opt.identity.productId, opt.identity.modelName, opt.band, 0,
                                       static_cast<std::uint8_t>(opt.bandFlags)}));
    }

    SimPtyServer server(radio, opt.lineRate);
    if (!server.open()) {
        ctx.fail("sim", server.error());
        return;
    }
    ctx.out << server.devicePath() << std::endl;
    ctx.err << "qav sim: " << printable(opt.identity.modelName) << " (" << printable(opt.identity.productId)
            << "), " << opt.band << "MHz, firmware " << printable(opt.identity.firmwareVersion)
            << (opt.password.empty() ? "" : ", password set") << (opt.lineRate ? ", 38400 baud pacing" : "")
            << "; serving until interrupted" << std::endl;
    g_server = &server;
    std::signal(SIGINT, stopServing);
    std::signal(SIGTERM, stopServing);
    server.serve();
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    g_server = nullptr;
}

std::string checkFault(const std::string& spec)
{
    return SimFault::parse(spec) ? std::string() : "expected silence|short|checksum|ack|line-error[:CMD[:AFTER[:TIMES]]], "
                                                   "refuse-block:ADDR, silent-after:N or refuse-register:REG";
}

}  // namespace

void addSimVerb(CLI::App& app, CliContext& ctx)
{
    auto declare = [](CLI::App& sub, SimOptions& o) {
        o.identity.productId = "QAV410";
        sub.add_flag("--pty,!--no-pty", o.pty, "serve on a new pseudo-terminal and print its path (the default)");
        sub.add_option("--image", o.image, "codeplug file whose image the radio holds (else factory defaults)");
        sub.add_option("--password", o.password, "password the radio asks for before any transfer")
            ->check([](const std::string& s) {
                if (s.empty() || s.size() > 8 || s.find_first_not_of("0123456789") != std::string::npos)
                    return std::string("1 to 8 digits");
                return std::string();
            });
        sub.add_option("--fault", o.faults, "a fault to commit (repeatable)")->check(checkFault);
        sub.add_flag("--line-rate", o.lineRate, "pace replies like a 38400-baud line");
        sub.add_option("--model-id", o.identity.productId, "product identifier")->capture_default_str();
        sub.add_option("--model-name", o.identity.modelName, "model name")->capture_default_str();
        sub.add_option("--firmware", o.identity.firmwareVersion, "firmware version")->capture_default_str();
        sub.add_option("--band", o.band, "band LO-HI in MHz")->capture_default_str();
        sub.add_option("--band-flags", o.bandFlags, "band flags byte")->check(CLI::Range(0, 255));
        sub.add_option("--option-byte", o.optionByte, "option byte")->check(CLI::Range(0, 255));
    };
    auto run = [](CliContext& c, SimOptions& o) {
        if (!o.pty) {
            c.fail("sim", "the simulated radio serves on a pseudo-terminal only");
            return;
        }
        runSim(c, o);
    };
    addVerb<SimOptions>(app, ctx, "sim", "run the simulated radio on a pseudo-terminal", declare, run);
}
