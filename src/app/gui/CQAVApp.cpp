#include "app/gui/CQAVApp.h"

#include "app/DocumentService.h"
#include "app/gui/CDlgAbout.h"
#include "app/gui/CHelpViewer.h"
#include "app/gui/CSplash.h"
#include "app/gui/GuiPortOpener.h"
#include "app/gui/GuiPrompt.h"
#include "app/gui/HelpKeyFilter.h"
#include "app/gui/SettingsFrameHost.h"
#include "frame/CChildFrame.h"
#include "frame/CDlgComPort.h"
#include "frame/CDlgCommProgress.h"
#include "frame/CDlgFile.h"
#include "frame/CDlgLanguage.h"
#include "frame/CDlgModelInfo.h"
#include "frame/CFrameDocumentObserver.h"
#include "frame/CMainFrame.h"
#include "frame/FrameIds.h"
#include "frame/ViewBridge.h"
#include "link/ImageSessions.h"
#include "link/PortList.h"
#include "link/RadioLink.h"
#include "link/TuningSessions.h"
#include "model/CCodeplugData.h"
#include "model/NewRangeOffer.h"
#include "settings/SettingsManager.h"
#include "settings/TextIds.h"
#include "views/NoticeRelay.h"
#include "views/StoreEditorContext.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace {

// The radio's band offered as a new range of the model; a database that
// cannot be written is said, not hidden.
void offerBand(const TransferResult& result, DocumentService& doc, CSettingsManager& settings, GuiPrompt& prompt)
{
    if (!result.identityAccepted) return;
    const NewRangeOffer offer = offerNewRange(result.band, doc.ranges(), settings, prompt);
    if (offer.result == NewRangeResult::WriteFailed)
        QMessageBox::warning(QApplication::activeWindow(), QString(),
                             QObject::tr("The model database could not be written: %1")
                                 .arg(QString::fromStdString(offer.error)));
}

}  // namespace

CQAVApp::CQAVApp(CSettingsManager& settings, CCodeplugData& store, const AppOptions& options)
    : m_settings(settings), m_store(store), m_options(options)
{
}

CQAVApp::~CQAVApp()
{
    if (m_helpKeys) qApp->removeEventFilter(m_helpKeys);
    // Editors write back into the store before it and the frame go.
    if (m_frame) m_frame->closeAllWindows();
    // No editor may be created against the context that goes with us.
    ViewBridge::setEditorContext(nullptr, nullptr);
}

bool CQAVApp::start()
{
    // The settings manager has read Settings.ini; now the language.
    m_settings.loadStartupLanguage();

    // F1 help for every window.
    m_helpKeys = new HelpKeyFilter(this);
    qApp->installEventFilter(m_helpKeys);
    connect(m_helpKeys, &HelpKeyFilter::helpRequested, this, &CQAVApp::showHelp);

    // The main window and the services that report to it.
    m_host = std::make_unique<SettingsFrameHost>(m_settings, m_store);
    m_frame = std::make_unique<CMainFrame>(*m_host);
    m_observer = std::make_unique<CFrameDocumentObserver>(*m_frame);
    m_prompt = std::make_unique<GuiPrompt>(*m_host, m_frame.get());
    m_document = std::make_unique<DocumentService>(m_settings, m_store, *m_prompt, *m_observer);
    m_observer->setInvalidValues(&m_document->invalidValues());
    m_observer->setRecentFiles(&m_document->recentFiles());
    m_document->invalidValues().setOnChanged([this] { m_observer->refreshInvalidView(); });
    m_editorContext = std::make_unique<StoreEditorContext>(m_store, m_settings, &m_document->invalidValues());
    m_relay = new NoticeRelay(this);
    ViewBridge::setEditorContext(m_editorContext.get(), m_relay);
    m_ports = std::make_unique<GuiPortOpener>();
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
    if (!m_help) m_help = std::make_unique<CHelpViewer>(m_frame.get());
    return *m_help;
}

void CQAVApp::showHelp(const QList<int>& contextIds)
{
    CHelpViewer& viewer = helpViewer();
    viewer.setHelpFolder(helpFolder());
    viewer.showContext(contextIds);
}

void CQAVApp::show(const Outcome& outcome) { m_prompt->show(outcome); }

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
    f.setCommandHandler(Cmd::kWriteTuneData, [this] { writeTuneData(); });
    f.setCommandHandler(Cmd::kAbout, [this] { about(); });
    f.setCommandHandler(Cmd::kModelInfo, [this] { modelInformation(); });
    f.setCommandHandler(Cmd::kComPort, [this] { communicationPort(); });
    f.setCommandHandler(Cmd::kLanguage, [this] { language(); });
    f.setSaveHandler([this] { return save(); });
    connect(&f, &CMainFrame::helpRequested, this, &CQAVApp::showHelp);
}

void CQAVApp::newDocument()
{
    const Outcome o = m_document->newDocument();
    if (!o.ok && o.message) show(o);
    m_document->invalidValues().clear();
}

void CQAVApp::open()
{
    CDlgFile dlg(*m_host, CDlgFile::Mode::Open, QString::fromStdString(m_document->currentPath()), nullptr,
                 m_frame.get());
    if (dlg.exec() != QDialog::Accepted || dlg.chosenPath().isEmpty()) return;
    const Outcome o = m_document->open(dlg.chosenPath().toStdString());
    if (!o.ok && o.message) show(o);
    m_frame->refreshStatusBar();
}

void CQAVApp::openRecent(int index)
{
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

void CQAVApp::readFromRadio()
{
    auto buffer = std::make_shared<RadioImage>();
    buffer->fill(0);
    const std::string port = sessionPort();
    CDlgCommProgress dlg(*m_host, CDlgCommProgress::Mode::Read,
                         [this, buffer, port](std::function<void(int)> progress) {
                             SessionContext ctx{*m_ports, m_settings, *m_prompt, port, {}, std::move(progress)};
                             return ::readFromRadio(ctx, *buffer);
                         },
                         m_frame.get());
    const bool ok = dlg.exec() == QDialog::Accepted;
    m_frame->refreshStatusBar();  // the port where the radio answered
    if (!ok) return;
    m_document->clearCurrentPath();
    m_frame->setDocumentPath({});
    offerBand(dlg.result(), *m_document, m_settings, *m_prompt);
    m_store.image() = *buffer;
    m_frame->closeAllWindows();
    m_store.unpack();
    m_frame->refreshTree();
}

void CQAVApp::writeToRadio()
{
    if (m_document->validate() != 0) {
        show(Outcome::failure(MsgId::kInvalidValues));
        return;
    }
    m_observer->commitEditors();
    m_store.pack();
    auto buffer = std::make_shared<RadioImage>(m_store.image());
    const std::string port = sessionPort();
    CDlgCommProgress dlg(*m_host, CDlgCommProgress::Mode::Write,
                         [this, buffer, port](std::function<void(int)> progress) {
                             SessionContext ctx{*m_ports, m_settings, *m_prompt, port, {}, std::move(progress)};
                             return ::writeToRadio(ctx, *buffer);
                         },
                         m_frame.get());
    const bool ok = dlg.exec() == QDialog::Accepted;
    m_frame->refreshStatusBar();
    if (!ok) return;
    offerBand(dlg.result(), *m_document, m_settings, *m_prompt);
    // The write put the programming stamp into bytes 32-39: only the radio
    // information section is read again, every other record stays.
    std::copy(buffer->begin() + 32, buffer->begin() + 40, m_store.image().begin() + 32);
    m_store.mapper().unpackRadioInfo(m_store);
    for (CChildFrame* child : m_frame->childFrames())
        if (child->commandId() == TreeId::kRadio) ViewBridge::load(child->view());
    m_frame->refreshStatusBar();
}

void CQAVApp::writeTuneData()
{
    // The tune data reaches the image with the rest of the sections; only
    // its own bytes are sent.
    m_observer->commitEditors();
    m_store.pack();
    auto image = std::make_shared<RadioImage>(m_store.image());
    const std::string port = sessionPort();
    auto rangeChanged = std::make_shared<bool>(false);
    CDlgCommProgress dlg(*m_host, CDlgCommProgress::Mode::Write,
                         [this, image, port, rangeChanged](std::function<void(int)> progress) {
                             SessionContext ctx{*m_ports, m_settings, *m_prompt, port, {}, std::move(progress)};
                             CRadioLink link(*m_ports);
                             TuningConnection c = openTuningConnection(link, ctx, 3);
                             if (!c.result.outcome.ok) return c.result;
                             c = ::writeTuneData(link, ctx, *image);
                             *rangeChanged = c.rangeChanged;
                             return c.result;
                         },
                         m_frame.get());
    dlg.setWindowTitle(m_frame->menus() ? QString(m_frame->windowTitle()) : QString());
    dlg.exec();
    m_frame->refreshStatusBar();
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
    const ModelChoice now{m_settings.modelId(), m_settings.modelName(), m_settings.freqRange(), m_settings.signal()};
    const ModelChoice chosen = dlg.choice();
    if (chosen == now) return;
    ModelChoice nameOnly = now;
    nameOnly.modelName = chosen.modelName;
    if (chosen == nameOnly) {
        m_settings.setModelName(chosen.modelName);
        m_frame->closeAllWindows();
        m_frame->refreshTree();
        return;
    }
    if (!m_prompt->confirm(MsgId::kNewConfirm, m_settings.message(MsgId::kNewConfirm), PromptButtons::YesNo)) return;
    m_settings.setModelId(chosen.modelId);
    m_settings.setModelName(chosen.modelName);
    m_settings.setFreqRange(chosen.freqRange);
    m_settings.setSignal(chosen.signal);
    const Outcome o = m_document->resetForModel();
    if (!o.ok && o.message) show(o);
    afterModelChange();
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
    const Outcome o = m_document->resetForModel();
    if (!o.ok && o.message) show(o);
    m_settings.selectLanguage(index);
    afterModelChange();
    if (m_help && m_help->isVisible()) showHelp({0});
}
