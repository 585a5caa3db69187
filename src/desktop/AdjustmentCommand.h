#pragma once
// Program > Adjustment: finds the radio and puts it in tuning mode (the
// progress dialog runs the tuning connection on a worker thread), takes
// over what the connection learned, then shows the tuning list with its
// radio work on the tuning worker. When the list closes the radio goes
// back to normal operation and the port is closed.
#include <functional>
#include <memory>

class CCodeplugData;
class CMainFrame;
class RadioCommands;
class SettingsFrameHost;
struct SessionContext;

class AdjustmentCommand {
public:
    struct Parts {
        SettingsFrameHost& host;
        CMainFrame& frame;
        CCodeplugData& store;
        RadioCommands& radio;
        std::function<std::shared_ptr<SessionContext>()> sessionContext;
        std::function<void(int contextId)> help;
        // After the connection: the range offer's outcome and the status bar.
        std::function<void()> afterConnection;
    };

    explicit AdjustmentCommand(Parts parts) : m_parts(std::move(parts)) {}
    void run();

private:
    Parts m_parts;
};
