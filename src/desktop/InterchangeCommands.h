#pragma once
// File > Import Channels, Export Channels and Backups in the window: the
// channel list as CSV for other radio programs, and the images kept from
// radio reads and writes. The work is the shared core's; this asks for the
// files and shows what happened.
#include <functional>

class BackupStore;
class CCodeplugData;
class CMainFrame;
class CSettingsManager;
class DocumentService;
class IDocumentObserver;
class IFrameHost;
class QWidget;
struct Outcome;

class InterchangeCommands {
public:
    struct Parts {
        const IFrameHost& host;
        CMainFrame& frame;
        CSettingsManager& settings;
        CCodeplugData& store;
        DocumentService& document;
        IDocumentObserver& observer;
        BackupStore& backups;
        // The save question before the codeplug is replaced; false stops.
        std::function<bool()> settle;
        std::function<void(int)> help;
        // Shows a failed outcome with its texts filled in.
        std::function<void(const Outcome&)> show;
    };
    explicit InterchangeCommands(Parts parts) : m(parts) {}

    void exportChannels();
    void importChannels();
    void showBackups();

private:
    Parts m;
};
