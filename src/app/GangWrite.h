#pragma once
// Writing one codeplug image to several radios at once: one session per
// port, each on a thread of its own with its own link, so a radio that
// fails or is missing never stops or slows the others. A session only ever
// opens its own port. The sessions share nothing of the program's: each
// gets its own copy of the image and the program values as they were at
// start, and what it learned stays in its row until the front end takes it
// over on its own thread.
#include "link/ImageSessions.h"
#include "link/LinkTiming.h"
#include "link/PortOpener.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

class CSettingsManager;
class RadioCommands;

struct GangResult {
    std::string port;
    TransferResult transfer;
    RadioImage image{};  // what was sent, with this radio's programming stamp
    double seconds = 0;
    // The radio asked for a password and none was given.
    bool passwordMissing = false;
};

class GangWrite {
public:
    // The opener for one port's session; it is only ever asked for that port.
    using OpenerFor = std::function<std::unique_ptr<IPortOpener>(const std::string& port)>;

    explicit GangWrite(OpenerFor openers, LinkTiming timing = {});
    ~GangWrite();  // waits for every session
    GangWrite(const GangWrite&) = delete;
    GangWrite& operator=(const GangWrite&) = delete;

    // Starts one write of `image` per port (repeated names once; the opener
    // factory is asked once per distinct port, in the order given), checked
    // against the program values of `settings` as they are now; `password`
    // answers a radio that asks for one (empty: such a radio fails with the
    // password message). Once per object.
    void start(const std::vector<std::string>& ports, const RadioImage& image, const CSettingsManager& settings,
               const std::string& password);

    // Front ends poll these while the sessions run.
    std::size_t size() const { return m_radios.size(); }
    const std::string& port(std::size_t i) const;
    int percent(std::size_t i) const;
    bool done(std::size_t i) const;
    // Valid once done(i).
    const GangResult& result(std::size_t i) const;
    bool finished() const;
    void wait();

private:
    struct Radio;
    void run(Radio& radio);

    OpenerFor m_openers;
    LinkTiming m_timing;
    std::vector<std::unique_ptr<Radio>> m_radios;
    std::vector<std::thread> m_threads;
};

// `ports` in the order given, each name once, empty names left out.
std::vector<std::string> distinctPorts(const std::vector<std::string>& ports);

// After the gang finished: the first radio written (in port order) hands
// its programming stamp and firmware version to the program, as a single
// write does; the configured port stays as it was. False when no radio was
// written.
bool takeOverFirstWritten(const GangWrite& gang, RadioCommands& radio);
