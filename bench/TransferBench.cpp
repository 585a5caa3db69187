// Measures a full read and a full write of the codeplug through the real
// serial port code, against the simulated radio on a pseudo-terminal that
// paces its replies like a 38400-baud line. For each transfer it prints the
// wall time, the protocol floor (per exchange the mandated sleeps, or the
// wire time of request and reply where that is longer), their ratio, and
// the CPU time of the transferring thread and of the whole process (which
// includes the simulated radio) as shares of the wall time.
#include "link/ImageSessions.h"
#include "link/PortOpener.h"
#include "settings/Prompt.h"
#include "settings/SettingsManager.h"
#include "sim/SimPty.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <thread>
#include <vector>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double cpuSeconds(int who)
{
    rusage u{};
    getrusage(who, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

struct NoPrompt : IPrompt {
    bool confirm(int, const std::string&, PromptButtons) override { return false; }
    std::optional<std::string> askPassword(int) override { return std::nullopt; }
};

// Counts the floor of every exchange the link makes.
struct FloorMeter : IPortOpener {
    explicit FloorMeter(const LinkTiming& t) : timing(t) {}
    std::unique_ptr<ITransport> open(const std::string& port) override
    {
        auto p = serial.open(port);
        if (p) floorUs += timing.connectSleepMs * 1000.0;
        return p;
    }
    void exchange(const Proto::Bytes& request, std::size_t replyLength)
    {
        const double wire = static_cast<double>(Proto::wireMicros(request.size() + replyLength));
        double sleeps = timing.exchangeSleepMs * 1000.0;
        // A block write sleeps before its transaction; the request travels after it.
        const double before = request.size() > 2 && request[1] == 'E' && request[2] == 'a' ? timing.writeSleepMs * 1000.0 : 0;
        floorUs += before + std::max(sleeps, wire);
        ++exchanges;
    }
    SerialPortOpener serial;
    LinkTiming timing;
    double floorUs = 0;
    int exchanges = 0;
};

struct Fixture {
    std::filesystem::path dir;
    Fixture()
    {
        dir = std::filesystem::temp_directory_path() / ("qav-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir / "user");
        std::ofstream(dir / "Settings.ini") << "[Setting]\nModelID=QAV410\nModelName=QAV-410\nFreqRange=136-174\n"
                                               "ComPort=1\nLanguage=0\n";
        std::ofstream(dir / "QAV_E.lng") << "[Setting]\nLanguage=English\nLanguageList=English\nS0300610=QAV410\n";
    }
    ~Fixture() { std::filesystem::remove_all(dir); }
};

// Passes everything through and hands each request with the length of the
// reply awaited to the meter.
struct Counting : ITransport {
    std::unique_ptr<ITransport> inner;
    FloorMeter& meter;
    Proto::Bytes last;
    Counting(std::unique_ptr<ITransport> i, FloorMeter& m) : inner(std::move(i)), meter(m) {}
    std::string name() const override { return inner->name(); }
    bool isOpen() const override { return inner->isOpen(); }
    bool close() override { return inner->close(); }
    bool setLine(int b, int d, Parity p, StopBits s) override { return inner->setLine(b, d, p, s); }
    void setReadTimeout(unsigned ms) override { inner->setReadTimeout(ms); }
    void purge() override { inner->purge(); }
    std::size_t write(const std::uint8_t* d, std::size_t n) override
    {
        last.assign(d, d + n);
        return inner->write(d, n);
    }
    std::size_t read(std::uint8_t* d, std::size_t n) override
    {
        std::size_t got = inner->read(d, n);
        meter.exchange(last, n);
        return got;
    }
    bool timedOut() const override { return inner->timedOut(); }
};

struct CountingOpener : IPortOpener {
    FloorMeter& meter;
    explicit CountingOpener(FloorMeter& m) : meter(m) {}
    std::unique_ptr<ITransport> open(const std::string& port) override
    {
        auto p = meter.open(port);
        if (!p) return nullptr;
        return std::make_unique<Counting>(std::move(p), meter);
    }
};

bool run(const char* name, const std::string& device, CSettingsManager& settings, bool write, double* wallOut = nullptr)
{
    NoPrompt prompt;
    const LinkTiming timing = LinkTiming::radio();
    FloorMeter meter(timing);
    CountingOpener opener(meter);
    SessionContext ctx{opener, settings, prompt, device, timing, {}};
    RadioImage image{};
    image.fill(0x5A);

    const double cpu0 = cpuSeconds(RUSAGE_THREAD), proc0 = cpuSeconds(RUSAGE_SELF);
    const auto t0 = Clock::now();
    TransferResult r = write ? writeToRadio(ctx, image) : readFromRadio(ctx, image);
    const double wall = std::chrono::duration<double>(Clock::now() - t0).count();
    const double cpu = cpuSeconds(RUSAGE_THREAD) - cpu0, proc = cpuSeconds(RUSAGE_SELF) - proc0;
    const double floor = meter.floorUs / 1e6;
    std::printf("%-6s %s  exchanges %4d  wall %7.3f s  floor %7.3f s  ratio %.4f  cpu(host thread) %5.2f %%  "
                "cpu(process, incl. radio) %5.2f %%\n",
                name, r.outcome.ok ? "ok  " : "FAIL", meter.exchanges, wall, floor, wall / floor, 100 * cpu / wall,
                100 * proc / wall);
    if (wallOut) *wallOut = wall;
    return r.outcome.ok;
}

}  // namespace

// How much longer than asked a 30 ms sleep takes on this machine right now
// (timer slack and scheduling delay under the current load).
double sleepOvershootMs()
{
    prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
    double total = 0;
    const int n = 30;
    for (int i = 0; i < n; ++i) {
        const auto t0 = Clock::now();
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        total += std::chrono::duration<double, std::milli>(Clock::now() - t0).count() - 30.0;
    }
    return total / n;
}

// N radios read at once, one thread each, as `qav read --port A --port B ...`
// runs them: the whole against one read alone, and the CPU the transferring
// threads used, as a share of one core.
bool runGang(int radios, const std::string& dir, double singleWall)
{
    struct One {
        SimRadio radio;
        std::unique_ptr<SimPtyServer> server;
        std::unique_ptr<CSettingsManager> settings;
        double cpu = 0;
        bool ok = false;
    };
    std::vector<std::unique_ptr<One>> all;
    for (int i = 0; i < radios; ++i) {
        auto one = std::make_unique<One>();
        one->server = std::make_unique<SimPtyServer>(one->radio, true);
        if (!one->server->open()) {
            std::fprintf(stderr, "qav-bench: %s\n", one->server->error().c_str());
            return false;
        }
        one->server->start();
        one->settings = std::make_unique<CSettingsManager>(dir + "/", dir + "/user/");
        one->settings->selectLanguage(0);
        all.push_back(std::move(one));
    }
    const auto t0 = Clock::now();
    std::vector<std::thread> threads;
    for (auto& one : all)
        threads.emplace_back([&one] {
            NoPrompt prompt;
            SerialPortOpener opener;
            SessionContext ctx{opener, *one->settings, prompt, one->server->devicePath(), LinkTiming::radio(), {}};
            RadioImage image{};
            const double c0 = cpuSeconds(RUSAGE_THREAD);
            one->ok = readFromRadio(ctx, image).outcome.ok;
            one->cpu = cpuSeconds(RUSAGE_THREAD) - c0;
        });
    for (std::thread& t : threads) t.join();
    const double wall = std::chrono::duration<double>(Clock::now() - t0).count();
    double cpu = 0;
    int ok = 0;
    for (auto& one : all) {
        cpu += one->cpu;
        ok += one->ok ? 1 : 0;
        one->server->stop();
    }
    std::printf("gang   %d radios read at once: %d ok  wall %7.3f s  one alone %7.3f s  ratio %.3f  "
                "cpu(host threads) %5.2f %% of one core\n",
                radios, ok, wall, singleWall, wall / singleWall, 100 * cpu / wall);
    return ok == radios;
}

int main(int argc, char** argv)
{
    // qav-bench [RADIOS]: RADIOS simulated radios read at once after the
    // single read and write (8 when not given, 0 for none).
    const int radios = argc > 1 ? std::max(0, std::atoi(argv[1])) : 8;
    Fixture fx;
    CSettingsManager settings(fx.dir.string() + "/", (fx.dir / "user").string() + "/");
    settings.selectLanguage(0);
    SimRadio radio;
    SimPtyServer server(radio, true);
    if (!server.open()) {
        std::fprintf(stderr, "qav-bench: %s\n", server.error().c_str());
        return 1;
    }
    server.start();
    std::printf("simulated radio on %s, 38400 baud line-rate emulation\n", server.devicePath().c_str());
    double loads[3] = {};
    if (getloadavg(loads, 3) > 0) std::printf("load average %.2f\n", loads[0]);
    std::printf("a 30 ms sleep overshoots by %.3f ms on average here and now\n", sleepOvershootMs());
    double readWall = 0;
    bool ok = run("read", server.devicePath(), settings, false, &readWall);
    ok = run("write", server.devicePath(), settings, true) && ok;
    server.stop();
    if (radios > 0) ok = runGang(radios, fx.dir.string(), readWall) && ok;
    return ok ? 0 : 1;
}
