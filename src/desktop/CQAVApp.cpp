#include "desktop/CQAVApp.h"

#include "desktop/AdjustmentCommand.h"

#include "app/AppRoot.h"
#include "app/BackupStore.h"
#include "desktop/InterchangeCommands.h"
#include "app/DocumentService.h"
#include "app/LearnedRadio.h"
#include "app/ModelSelection.h"
#include "app/RadioCommands.h"
#include "desktop/CDlgAbout.h"
#include "desktop/FactoryModeCommand.h"
#include "desktop/CHelpViewer.h"
#include "desktop/CSplash.h"
#include "desktop/GuiPortOpener.h"
#include "desktop/WriteSeveralCommand.h"
#include "desktop/GuiPrompt.h"
#include "desktop/HelpKeyFilter.h"
#include "desktop/SettingsFrameHost.h"
#include "frame/CChildFrame.h"
#include "frame/CDlgComPort.h"
#include "frame/CDlgCommProgress.h"
#include "frame/CDlgFile.h"
#include "frame/CDlgLanguage.h"
#include "frame/CDlgModelInfo.h"
#include "frame/CFrameDocumentObserver.h"
#include "frame/CMainFrame.h"
#include "frame/FrameIds.h"
#include "frame/FrameTextIds.h"
#include "frame/LangText.h"
#include <QStatusBar>
#include "frame/PrintTreeEntries.h"
#include "frame/ViewBridge.h"
#include "link/ImageSessions.h"
#include "link/PortList.h"
#include "link/RadioLink.h"
#include "link/TuningSessions.h"
#include "model/CCodeplugData.h"
#include "print/CReportPrinter.h"
#include "settings/SettingsManager.h"
#include "settings/TextIds.h"
#include "views/NoticeRelay.h"
#include "views/DataWatchView.h"
#include "views/StoreEditorContext.h"

#include <QMdiArea>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

CQAVApp::CQAVApp(CSettingsManager& settings, CCodeplugData& store, const AppOptions& options)
    : m_settings(settings), m_store(store), m_options(options)
{
}

DocumentService& CQAVApp::document() const { return *m_document; }
RadioCommands& CQAVApp::radioCommands() const { return *m_radio; }

CQAVApp::~CQAVApp()
{
    if (m_helpKeys) qApp->removeEventFilter(m_helpKeys);
    delete m_splash;  // a top-level window of its own; it goes with the program
    // Editors write back into the store before it and the frame go.
    if (m_frame) m_frame->closeAllWindows();
    // No editor may be created against the context that goes with us.
    if (m_frame) m_frame->setEditorSource(nullptr);
}

bool CQAVApp::start()
{
    // The settings manager has read Settings.ini; now the language.
    m_settings.loadStartupLanguage();
    m_qtTexts.follow(QtTranslations::localeOf(m_settings.languageFilePath()));

    // F1 help for every window.
    m_helpKeys = new HelpKeyFilter(this);
    qApp->installEventFilter(m_helpKeys);
    connect(m_helpKeys, &HelpKeyFilter::helpRequested, this, &CQAVApp::showHelp);

    // The main window and the services that report to it.
    m_host = std::make_unique<SettingsFrameHost>(m_settings, m_store);
    m_frame = std::make_unique<CMainFrame>(*m_host);
    m_observer = std::make_unique<CFrameDocumentObserver>(*m_frame);
    m_prompt = std::make_unique<GuiPrompt>(*m_host, m_frame.get());
    m_root = std::make_unique<AppRoot>(m_settings, m_store);
    m_root->compose(*m_prompt, *m_observer);
    m_document = &m_root->document();
    m_radio = &m_root->radio();
    m_observer->setInvalidValues(&m_document->invalidValues());
    m_observer->setRecentFiles(&m_document->recentFiles());
    m_document->invalidValues().setOnChanged([this] { m_observer->refreshInvalidView(); });
    m_editorContext = std::make_unique<StoreEditorContext>(m_store, m_settings, &m_document->invalidValues());
    m_relay = new NoticeRelay(this);
    // Every finished edit that changed what a field shows goes to the Log View.
    connect(m_relay, &NoticeRelay::relayed, this, [this](const ChangeNotice& n) {
        // Whatever the notice was, the document looks whether a record changed.
        m_document->noteEdit();
        if (m_frame) m_frame->updateCommandStates();  // Undo and Redo follow the history
        if (n.action != NoticeAction::kEdited || n.text3 == n.text4 || !m_frame) return;
        m_frame->logEdit(QString::fromStdString(n.fieldName), QString::fromStdString(n.text3),
                         QString::fromStdString(n.text4));
    });
    // The embedded-message editor's transfers: the progress dialog starts at
    // once (the editor asked nothing first); only the port where the radio
    // answered is taken over.
    m_editorContext->setRadioRunner([this](EditorContext::RadioSession session, bool write) {
        const TransferResult r = runTransfer(write ? CDlgCommProgress::Mode::Write : CDlgCommProgress::Mode::Read,
                                             std::move(session),
                                             [](CDlgCommProgress& dlg) { dlg.setStartOnShow(true); });
        applyLearned(m_settings, r, Takeover::PortOnly);
        m_frame->refreshStatusBar();
        return r;
    });
    m_editorSource = std::make_unique<EditorSource>(*m_editorContext, m_relay);
    m_frame->setEditorSource(m_editorSource.get());
    // The simulated radio answers as the current model, when it is one the
    // program accepts.
    m_ports = std::make_unique<GuiPortOpener>([this]() -> const ModelValues* {
        const ModelValues& m = m_settings.model();
        return m_settings.language().isAcceptedIdentifier(m.modelId) ? &m : nullptr;
    });
    connectCommands();

    // The first codeplug: the named file, or New (which asks nothing now).
    const Outcome first = m_document->newDocument();
    if (!first.ok && first.message) show(first);
    if (!m_options.file.isEmpty()) {
        const Outcome opened = m_document->open(QFileInfo(m_options.file).absoluteFilePath().toStdString());
        // A file that cannot be opened is reported; the program goes on
        // with the default codeplug rather than refusing to start.
        if (!opened.ok && opened.message) show(opened);
    }

    m_frame->postStartInit();
    m_observer->recentFilesChanged();
    m_frame->setDocumentPath(QString::fromStdString(m_document->currentPath()));

    if (m_options.splash) {
        m_splash = new CSplash(splashPicture(), m_frame.get());
        m_splash->start();
    } else {
        m_frame->showMaximized();
    }
    return true;
}

QString CQAVApp::splashPicture() const
{
    const char* name = m_settings.languageIndex() == 0 ? "splash_E.jpg" : "splash_S.jpg";
    return QString::fromStdString(m_settings.programDir()) + name;
}

QString CQAVApp::helpFolder() const
{
    return helpFolderFor(QString::fromStdString(m_settings.programDir()), QString::fromStdString(m_settings.helpFile()),
                         m_settings.languageIndex());
}

CHelpViewer& CQAVApp::helpViewer()
{
    if (!m_help) m_help = new CHelpViewer(m_frame.get());
    return *m_help;
}

void CQAVApp::showHelp(const QList<int>& contextIds)
{
    CHelpViewer& viewer = helpViewer();
    viewer.applyTexts(*m_host);
    viewer.setHelpFolder(helpFolder());
    viewer.showContext(contextIds);
}

void CQAVApp::show(const Outcome& outcome) { m_prompt->show(outcome); }

bool CQAVApp::settleChanges(int messageId)
{
    const Outcome o = m_document->settleChanges(messageId);
    if (!o.ok && o.message) show(o);
    return o.ok;
}

void CQAVApp::connectCommands()
{
    CMainFrame& f = *m_frame;
    f.setCommandHandler(Cmd::kNew, [this] { newDocument(); });
    f.setCommandHandler(Cmd::kOpen, [this] { open(); });
    f.setCommandHandler(Cmd::kSave, [this] { save(); });
    f.setCommandHandler(Cmd::kSaveAs, [this] { saveAs(); });
    for (int i = 0; i < Cmd::kRecentCount; ++i)
        f.setCommandHandler(Cmd::kRecentFirst + i, [this, i] { openRecent(i); });
    f.setCommandHandler(Cmd::kReadRadio, [this] { readFromRadio(); });
    f.setCommandHandler(Cmd::kWriteRadio, [this] { writeToRadio(); });
    f.setCommandHandler(Cmd::kWriteSeveral, [this] { writeToSeveralRadios(); });
    f.setCommandHandler(Cmd::kWriteTuneData, [this] { writeTuneData(); });
    f.setCommandHandler(Cmd::kMemoryUpdate, [this] { memoryUpdate(); });
    f.setCommandHandler(Cmd::kAdjustment, [this] { adjustment(); });
    f.setCommandHandler(Cmd::kFactoryMode, [this] { factoryMode(); });
    f.setCommandHandler(Cmd::kAbout, [this] { about(); });
    f.setCommandHandler(Cmd::kModelInfo, [this] { modelInformation(); });
    f.setCommandHandler(Cmd::kComPort, [this] { communicationPort(); });
    f.setCommandHandler(Cmd::kLanguage, [this] { language(); });
    f.setCommandHandler(Cmd::kUndo, [this] { m_document->undo(); });
    f.setCommandHandler(Cmd::kRedo, [this] { m_document->redo(); });
    f.setCommandEnabler(Cmd::kUndo, [this] { return m_document->canUndo(); });
    f.setCommandEnabler(Cmd::kRedo, [this] { return m_document->canRedo(); });
    f.setCloseGuard([this] { return settleChanges(MsgId::kCloseSaveQuestion); });
    connectPrinting();
    m_interchange = std::make_unique<InterchangeCommands>(InterchangeCommands::Parts{
        *m_host, f, m_settings, m_store, *m_document, *m_observer, m_root->backups(),
        [this] { return settleChanges(MsgId::kReplaceSaveQuestion); }, [this](int id) { showHelp({id}); },
        [this](const Outcome& o) { show(o); }});
    f.setCommandHandler(Cmd::kExportChannels, [this] { m_interchange->exportChannels(); });
    f.setCommandHandler(Cmd::kImportChannels, [this] { m_interchange->importChannels(); });
    f.setCommandHandler(Cmd::kBackups, [this] { m_interchange->showBackups(); });
    connect(&f, &CMainFrame::helpRequested, this, &CQAVApp::showHelp);
}

void CQAVApp::connectPrinting()
{
    CMainFrame& f = *m_frame;
    CReportPrinter::Hooks hooks;
    hooks.source = [this]() -> std::optional<ReportSource> {
        // What the open editors show goes into the store first.
        m_observer->commitEditors();
        return ReportSource{m_store, m_settings.language(), m_settings.model(), m_settings.firmwareVersion()};
    };
    hooks.title = [this] { return QString::fromStdString(m_document->currentPath()); };
    hooks.treeEntries = [this] { return printTreeEntries(*m_host); };
    hooks.previewActive = [this](bool active) { m_frame->setPrintPreviewActive(active); };
    hooks.help = [this](int id) { showHelp({id}); };
    m_reportPrinter = new CReportPrinter(*m_host, std::move(hooks), &f);
    f.setCommandHandler(Cmd::kPrint, [this] { m_reportPrinter->print(); });
    f.setCommandHandler(Cmd::kPrintPreview, [this] { m_reportPrinter->preview(); });
    f.setCommandHandler(Cmd::kPrintSetup, [this] { m_reportPrinter->pageSetup(); });
    f.setCommandHandler(Cmd::kExportPdf, [this] { m_reportPrinter->exportPdf(); });
    f.setSectionPrintHandler([this](int commandId) { m_reportPrinter->printSection(reportSectionOfView(commandId)); });
}

void CQAVApp::newDocument()
{
    // The document empties the invalid-value list itself, and only when the
    // user did not cancel.
    const Outcome o = m_document->newDocument();
    if (!o.ok && o.message) show(o);
}

void CQAVApp::open()
{
    if (!settleChanges(MsgId::kReplaceSaveQuestion)) return;
    CDlgFile dlg(*m_host, CDlgFile::Mode::Open, QString::fromStdString(m_document->currentPath()), nullptr,
                 m_frame.get());
    if (dlg.exec() != QDialog::Accepted || dlg.chosenPath().isEmpty()) return;
    const Outcome o = m_document->open(dlg.chosenPath().toStdString());
    if (!o.ok && o.message) show(o);
    m_frame->refreshStatusBar();
}

void CQAVApp::openRecent(int index)
{
    if (!settleChanges(MsgId::kReplaceSaveQuestion)) return;
    const Outcome o = m_document->openRecent(static_cast<std::size_t>(index));
    if (!o.ok && o.message) show(o);
    m_frame->refreshStatusBar();
}

bool CQAVApp::save()
{
    const Outcome o = m_document->save();
    if (!o.ok && o.message) show(o);
    return o.ok;
}

bool CQAVApp::saveAs()
{
    const Outcome o = m_document->saveAs();
    if (!o.ok && o.message) show(o);
    return o.ok;
}

std::string CQAVApp::sessionPort() const
{
    const std::string device = m_host->portDevice();
    return device.empty() ? std::to_string(m_settings.comPort()) : device;
}

std::shared_ptr<SessionContext> CQAVApp::sessionContext()
{
    // Made here, on the window's thread: the session on the worker reads
    // only this copy of the program's values, never the settings.
    return std::make_shared<SessionContext>(*m_ports, m_settings, *m_prompt, sessionPort());
}

void CQAVApp::warnIfRangeNotAdded()
{
    const NewRangeOffer& offer = m_radio->lastRangeOffer();
    if (offer.result == NewRangeResult::WriteFailed)
        QMessageBox::warning(m_frame.get(), LangText::caption(*m_host, FrameText::kMainTitle, "QAV"),
                             LangText::format(LangText::message(*m_host, MsgId::kModelDatNotWritten,
                                                                "The model database could not be written: %s"),
                                              {QString::fromStdString(offer.error)}));
}

TransferResult CQAVApp::runTransfer(CDlgCommProgress::Mode mode, std::function<TransferResult(SessionContext&)> session,
                                    const std::function<void(CDlgCommProgress&)>& setUp)
{
    auto ctx = sessionContext();
    CDlgCommProgress dlg(*m_host, mode,
                         [ctx, session = std::move(session)](std::function<void(int)> progress) {
                             ctx->progress = std::move(progress);
                             return session(*ctx);
                         },
                         m_frame.get());
    if (setUp) setUp(dlg);
    dlg.exec();
    return dlg.result();
}

void CQAVApp::readFromRadio()
{
    // Asked before the transfer: a read that worked replaces the codeplug.
    if (!settleChanges(MsgId::kReplaceSaveQuestion)) return;
    auto buffer = std::make_shared<RadioImage>();
    buffer->fill(0);
    const TransferResult r = runTransfer(CDlgCommProgress::Mode::Read,
                                         [buffer](SessionContext& ctx) { return ::readFromRadio(ctx, *buffer); });
    // Cancelled or failed: only the port where the radio answered is kept.
    if (m_radio->finishRead(r, *buffer)) warnIfRangeNotAdded();
    m_frame->refreshStatusBar();  // and the port where the radio answered
    reportBackup();
}

void CQAVApp::writeToRadio()
{
    auto buffer = std::make_shared<RadioImage>();
    const Outcome prepared = m_radio->prepareWrite(*buffer);
    if (!prepared) {
        show(prepared);
        return;
    }
    const TransferResult r = runTransfer(CDlgCommProgress::Mode::Write,
                                         [buffer](SessionContext& ctx) { return ::writeToRadio(ctx, *buffer); });
    afterWrite(m_radio->finishWrite(r, *buffer).ok);
}

void CQAVApp::writeToSeveralRadios()
{
    afterWrite(::writeToSeveralRadios({*m_host, m_frame.get(), *m_radio, m_settings, *m_ports,
                                       [this](const Outcome& o) { show(o); }, [this](int id) { showHelp({id}); }}));
}

void CQAVApp::afterWrite(bool written)
{
    if (written) {
        warnIfRangeNotAdded();
        // The radio information editors show the new programming stamp.
        for (CChildFrame* child : m_frame->childFrames())
            if (child->commandId() == TreeId::kRadio) ViewBridge::load(child->view());
    }
    m_frame->refreshStatusBar();
    reportBackup();
}

void CQAVApp::reportBackup()
{
    const BackupResult& b = m_radio->lastBackup();
    if (!b.attempted || b.ok) return;
    m_frame->statusBar()->showMessage(
        LangText::format(LangText::message(*m_host, MsgId::kBackupFailed, tr("No backup of the image was kept: %s")),
                         {QString::fromStdString(b.reason)}),
        20000);
}

void CQAVApp::memoryUpdate()
{
    // The image is rebuilt from the sections as the editors hold them; the
    // first open data watch then shows what that changed.
    m_observer->commitEditors();
    m_store.pack();
    for (CChildFrame* child : m_frame->childFrames()) {
        auto* watch = qobject_cast<CDataWatchView*>(child->view());
        if (!watch) continue;
        watch->compare();
        m_frame->mdiArea()->setActiveSubWindow(child);
        break;
    }
}

void CQAVApp::writeTuneData()
{
    // Only the tune-data section goes into the image; only its bytes are sent.
    auto image = std::make_shared<RadioImage>();
    m_radio->prepareTuneData(*image);
    auto connection = std::make_shared<TuningConnection>();
    auto session = [image, connection](SessionContext& ctx) {
        CRadioLink link(ctx.ports, ctx.timing);
        *connection = ::writeTuneData(link, ctx, *image);
        return connection->result;
    };
    runTransfer(CDlgCommProgress::Mode::Write, session, [this](CDlgCommProgress& dlg) {
        // It replaces the radio's factory tuning: the dialog asks first,
        // naming the model and the codeplug the tune data comes from, and
        // starts only on OK (Enter cancels).
        dlg.setWindowTitle(LangText::plainText(LangText::caption(*m_host, Cmd::kWriteTuneData, tr("Write Tune Data"))));
        const QString file = m_document->currentPath().empty()
                                 ? LangText::message(*m_host, MsgId::kNoFileName, tr("(not saved in a file)"))
                                 : QString::fromStdString(m_document->currentPath());
        dlg.setPrompt(LangText::format(LangText::message(*m_host, MsgId::kTuneDataConfirm,
                                                         tr("Write the tune data of %s (%s MHz) to the radio? It "
                                                            "replaces the radio's factory tuning. Codeplug: %s. Press "
                                                            "OK to start.")),
                                       {QString::fromStdString(m_settings.modelName()),
                                        QString::fromStdString(m_settings.freqRange()), file}),
                      true);
    });
    m_radio->finishTuneData(*connection);
    warnIfRangeNotAdded();
    m_frame->refreshStatusBar();
}

void CQAVApp::adjustment()
{
    AdjustmentCommand command({*m_host, *m_frame, m_store, *m_radio, [this] { return sessionContext(); },
                               [this](int id) { showHelp({id}); },
                               [this] {
                                   warnIfRangeNotAdded();
                                   m_frame->refreshStatusBar();
                               }});
    command.run();
}

void CQAVApp::factoryMode()
{
    // The dialog starts from what the editors show.
    m_observer->commitEditors();
    const auto taken = runFactoryMode({*m_host, m_frame.get(), m_settings, m_store, *m_document, *m_prompt,
                                       [this] { return sessionContext(); }, [this](int id) { showHelp({id}); },
                                       [this] { m_frame->closeAllWindows(); }});
    if (taken && taken->offer.result == NewRangeResult::WriteFailed)
        QMessageBox::warning(m_frame.get(), LangText::caption(*m_host, FrameText::kMainTitle, "QAV"),
                             LangText::format(LangText::message(*m_host, MsgId::kModelDatNotWritten,
                                                                "The model database could not be written: %s"),
                                              {QString::fromStdString(taken->offer.error)}));
    if (taken) m_frame->refreshAll();  // the model name, the range, the tree's records
    else m_frame->refreshStatusBar();  // the port where the radio answered
}

void CQAVApp::about()
{
    CDlgAbout dlg(*m_host, QString::fromStdString(m_settings.languageName()), m_frame.get());
    dlg.exec();
}

void CQAVApp::afterModelChange()
{
    m_frame->refreshAll();
}

void CQAVApp::modelInformation()
{
    CDlgModelInfo dlg(*m_host, m_settings, m_frame.get());
    connect(&dlg, &CDlgModelInfo::helpRequested, this, [this](int id) { showHelp({id}); });
    if (dlg.exec() != QDialog::Accepted) return;
    const ModelSelection selected = selectModel(dlg.choice(), m_settings, *m_document, true);
    if (selected.change == ModelChange::Name) {
        m_frame->closeAllWindows();
        m_frame->refreshTree();
        m_document->noteHeaderChange();  // the name is saved in the file's header
    } else {
        if (!selected.reset.ok && selected.reset.message) show(selected.reset);  // also a failed save before it
        if (selected.change == ModelChange::Model) afterModelChange();
    }
}

void CQAVApp::communicationPort()
{
    CDlgComPort::Ports ports;
    ports.deviceOf = [](int n) { return PortList::deviceOf(n); };
    ports.available = [this](int n) {
        if (PortList::deviceOf(n).empty()) return false;
        return m_ports->open(std::to_string(n)) != nullptr;
    };
    CDlgComPort dlg(*m_host, ports, {m_settings.comPort(), m_host->portDevice()}, m_frame.get());
    connect(&dlg, &CDlgComPort::helpRequested, this, [this](int id) { showHelp({id}); });
    if (dlg.exec() != QDialog::Accepted) return;
    const PortChoice c = dlg.choice();
    m_host->setPortDevice(c.device);
    if (c.device.empty()) m_settings.setComPort(c.number);
    m_frame->refreshStatusBar();
}

void CQAVApp::language()
{
    CDlgLanguage dlg(*m_host, m_settings.language().listNames(CDlgLanguage::kCombo), m_frame.get());
    connect(&dlg, &CDlgLanguage::helpRequested, this, [this](int id) { showHelp({id}); });
    if (dlg.exec() != QDialog::Accepted) return;
    const int index = dlg.selectedIndex();
    if (index < 0 || index == m_settings.languageIndex()) return;
    // Only the texts change: the codeplug stays, and every editor open is
    // built again in the new language from the records it showed.
    m_frame->reopenAllWindows([this, index] {
        m_settings.selectLanguage(index);
        m_qtTexts.follow(QtTranslations::localeOf(m_settings.languageFilePath()));
    });
    // An open help window shows its topic again in the new language (the
    // page is named by its context id; the contents page counts as 0).
    if (m_help && m_help->isVisible()) showHelp({QFileInfo(m_help->currentPage()).completeBaseName().toInt()});
}
