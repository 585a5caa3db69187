#pragma once
// The ports of the page: "serial", the serial port the user granted the page
// through Web Serial, and "sim", a simulated radio inside the page, made as
// the factory ships the current model so the page can be tried without a
// radio. It keeps what is written to it until the page is closed.
#include "link/PortOpener.h"
#include "web/CancellableTransport.h"
#include "sim/SimRadio.h"

#include <functional>
#include <memory>

struct ModelValues;

class WebPortOpener : public IPortOpener {
public:
    explicit WebPortOpener(std::function<const ModelValues&()> currentModel);

    std::unique_ptr<ITransport> open(const std::string& port) override;

    SimRadio& simulatedRadio();
    // The simulated radio answers as fast as a 38400-baud line would carry
    // its replies (true), or at once.
    void setLineRate(bool lineRate) { lineRate_ = lineRate; }
    // Ports opened from now on work and their floor counts afresh; cancel()
    // makes the open ones fail.
    void arm()
    {
        cancelled_ = false;
        floor_ = {};
    }
    const LineFloor& floor() const { return floor_; }
    void cancel() { cancelled_ = true; }

private:
    std::function<const ModelValues&()> currentModel_;
    std::unique_ptr<SimRadio> sim_;
    bool lineRate_ = true;
    bool cancelled_ = false;
    LineFloor floor_;
};
