#pragma once
// The simulated radio behind a pseudo-terminal: programs open the printed
// device path as if it were the cable's serial port. With line-rate
// emulation every reply leaves only after the request and the reply would
// have crossed a 38400-baud line (12 bits per byte).
#include "sim/SimRadio.h"

#include <atomic>
#include <string>
#include <thread>

class SimPtyServer {
public:
    SimPtyServer(SimRadio& radio, bool lineRate);
    ~SimPtyServer();
    SimPtyServer(const SimPtyServer&) = delete;
    SimPtyServer& operator=(const SimPtyServer&) = delete;

    // Creates the pseudo-terminal; false (with `error()`) when it cannot.
    bool open();
    const std::string& devicePath() const { return m_path; }
    const std::string& error() const { return m_error; }

    // Serves on a thread of its own until stop().
    void start();
    // Serves on the calling thread until stop() is called from elsewhere
    // (a signal handler may call it: it only writes to a pipe).
    void serve();
    void stop();

private:
    SimRadio& m_radio;
    bool m_lineRate;
    int m_master = -1;
    int m_slave = -1;  // held open so the master never sees a hang-up
    int m_wake[2] = {-1, -1};
    std::string m_path;
    std::string m_error;
    std::thread m_thread;
};
