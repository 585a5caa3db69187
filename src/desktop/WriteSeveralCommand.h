#pragma once
// Program > Write to Several Radios...: when Write is pressed the codeplug is
// validated and packed once (as for Write to Radio, with its backup), then
// written to every chosen port at the same time. The first radio written
// hands its programming stamp and firmware version to the program, as a
// single write does; the configured port stays as it was.
#include <functional>

class GuiPortOpener;
class IFrameHost;
class QWidget;
class RadioCommands;
class CSettingsManager;
struct Outcome;

struct WriteSeveralParts {
    const IFrameHost& host;
    QWidget* parent;
    RadioCommands& radio;
    CSettingsManager& settings;
    GuiPortOpener& ports;  // for the simulated radio "sim"; serial ports get openers of their own
    std::function<void(const Outcome&)> show;
    std::function<void(int)> help;
};

// True when at least one radio was written (the program took its stamp).
bool writeToSeveralRadios(const WriteSeveralParts& parts);
