#pragma once
// A raw pseudo-terminal pair for tests: the test plays the far end on the
// master while the code under test opens the device path.
#include <fcntl.h>
#include <stdlib.h>
#include <string>
#include <termios.h>
#include <unistd.h>

struct PtyPair {
    int master = -1;
    int slave = -1;  // held so the master never sees a hang-up
    std::string path;

    PtyPair()
    {
        master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) return;
        char name[128];
        if (ptsname_r(master, name, sizeof name) != 0) return;
        path = name;
        slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
        for (int fd : {master, slave}) {
            termios t{};
            tcgetattr(fd, &t);
            cfmakeraw(&t);
            tcsetattr(fd, TCSANOW, &t);
        }
    }
    ~PtyPair()
    {
        if (slave >= 0) ::close(slave);
        if (master >= 0) ::close(master);
    }
    bool ok() const { return slave >= 0; }
    void send(const std::string& bytes) const
    {
        [[maybe_unused]] auto n = ::write(master, bytes.data(), bytes.size());
    }
};
