#pragma once
// The application object of the desktop program: starts the program in its
// fixed order (language, help, main window, first codeplug, splash), owns
// the document procedures and carries the commands that act on the whole
// codeplug: New, Open, Open Recent, Save, Save As, Read from Radio, Write
// to Radio, Write Tune Data, Adjustment, Factory Mode, About, and the model,
// port and language commands of the main window.
#include "desktop/AppOptions.h"
#include "desktop/CSplash.h"
#include "desktop/QtTranslations.h"
#include "frame/CDlgCommProgress.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class AppRoot;
class CCodeplugData;
class CFrameDocumentObserver;
class CHelpViewer;
class CMainFrame;
class CReportPrinter;
class CSettingsManager;
class CSplash;
class DocumentService;
class EditorSource;
class RadioCommands;
class GuiPortOpener;
class GuiPrompt;
class HelpKeyFilter;
class InterchangeCommands;
class NoticeRelay;
class StoreEditorContext;
class SettingsFrameHost;
struct Outcome;
struct SessionContext;

class CQAVApp : public QObject {
    Q_OBJECT
public:
    CQAVApp(CSettingsManager& settings, CCodeplugData& store, const AppOptions& options);
    ~CQAVApp() override;

    // Runs the start-up; false when the program cannot start.
    bool start();

    CMainFrame& frame() const { return *m_frame; }
    DocumentService& document() const;
    RadioCommands& radioCommands() const;
    SettingsFrameHost& host() const { return *m_host; }
    GuiPortOpener& ports() const { return *m_ports; }
    CReportPrinter& reportPrinter() const { return *m_reportPrinter; }
    CHelpViewer& helpViewer();
    CSplash* splash() const { return m_splash; }
    QString splashPicture() const;
    QString helpFolder() const;

    // The commands (also reachable from the menus).
    void newDocument();
    void open();
    void openRecent(int index);
    bool save();
    bool saveAs();
    void readFromRadio();
    void writeToRadio();
    void writeToSeveralRadios();
    void writeTuneData();
    void memoryUpdate();
    void adjustment();
    void factoryMode();
    void about();
    void modelInformation();
    void communicationPort();
    void language();
    void showHelp(const QList<int>& contextIds);

    // The port a session tries first: the chosen device or "sim", else the
    // configured number.
    std::string sessionPort() const;
    // What a radio session started now works with.
    std::shared_ptr<SessionContext> sessionContext();

private:
    // What follows a write that may have reached radios: the new stamp in
    // the radio information editors, the status bar, a failed backup.
    void afterWrite(bool written);
    // Runs `session` in a progress dialog (set up by `setUp`) on a context
    // made here; the dialog's result.
    TransferResult runTransfer(CDlgCommProgress::Mode mode, std::function<TransferResult(SessionContext&)> session,
                               const std::function<void(CDlgCommProgress&)>& setUp = {});
    void connectCommands();
    void connectPrinting();
    void show(const Outcome& outcome);
    // Asks to save a changed codeplug before a command replaces or closes
    // it; false stops the command.
    bool settleChanges(int messageId);
    void afterModelChange();
    void warnIfRangeNotAdded();
    // After a read or a write: says in the status bar when its backup failed.
    void reportBackup();

    CSettingsManager& m_settings;
    CCodeplugData& m_store;
    AppOptions m_options;
    std::unique_ptr<SettingsFrameHost> m_host;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<CFrameDocumentObserver> m_observer;
    std::unique_ptr<GuiPrompt> m_prompt;
    // The shared objects; the document procedures and radio commands are
    // built on the prompt and observer above.
    std::unique_ptr<AppRoot> m_root;
    DocumentService* m_document = nullptr;
    RadioCommands* m_radio = nullptr;
    std::unique_ptr<StoreEditorContext> m_editorContext;
    NoticeRelay* m_relay = nullptr;
    std::unique_ptr<EditorSource> m_editorSource;
    std::unique_ptr<GuiPortOpener> m_ports;
    // Owned by the main window; may belong to a modal dialog for a while.
    QPointer<CHelpViewer> m_help;
    HelpKeyFilter* m_helpKeys = nullptr;
    QPointer<CSplash> m_splash;
    QtTranslations m_qtTexts;
    CReportPrinter* m_reportPrinter = nullptr;  // owned by the main window
    std::unique_ptr<InterchangeCommands> m_interchange;
};
