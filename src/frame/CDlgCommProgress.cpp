#include "frame/CDlgCommProgress.h"

#include "app/OutcomeText.h"
#include "controls/ControlId.h"
#include "controls/LanguageApply.h"
#include "frame/FrameHost.h"
#include "frame/LangText.h"
#include "frame/ThreadPost.h"
#include "link/TransferWorker.h"

#include <QCloseEvent>
#include <QShowEvent>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kNoRadio = 1143;
}

CDlgCommProgress::CDlgCommProgress(const IFrameHost& host, Mode mode, Session session, QWidget* parent)
    : QDialog(parent), m_host(host), m_mode(mode), m_session(std::move(session)),
      m_worker(std::make_unique<TransferWorker>()), m_post(new ThreadPost(this))
{
    setObjectName("dlgCommProgress");
    auto* column = new QVBoxLayout(this);
    m_text = new QLabel(tr("Press OK to start."), this);
    setControlId(m_text, kText);
    m_bar = new QProgressBar(this);
    setControlId(m_bar, kProgress);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setMinimumWidth(320);
    column->addWidget(m_text);
    column->addWidget(m_bar);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_cancel = buttons->button(QDialogButtonBox::Cancel);
    setControlId(m_ok, 1);
    setControlId(m_cancel, 2);
    column->addWidget(buttons);
    connect(m_ok, &QPushButton::clicked, this, &CDlgCommProgress::start);
    connect(m_cancel, &QPushButton::clicked, this, &CDlgCommProgress::reject);
    applyLanguage(this, kTemplate, host);
    const int titleId = mode == Mode::Read ? 1601 : 1602;
    setWindowTitle(LangText::caption(host, titleId, mode == Mode::Read ? tr("Read from Radio") : tr("Write to Radio")));
}

CDlgCommProgress::~CDlgCommProgress()
{
    // The worker calls back into this dialog; it must be gone first.
    m_worker->join();
}

void CDlgCommProgress::setPrompt(const QString& text, bool cancelIsDefault)
{
    m_text->setText(text);
    m_text->setWordWrap(true);
    if (cancelIsDefault) {
        m_ok->setDefault(false);
        m_ok->setAutoDefault(false);
        m_cancel->setDefault(true);
        m_cancel->setFocus();
    }
}

int CDlgCommProgress::percent() const { return m_bar->value(); }

QString CDlgCommProgress::statusText() const { return m_text->text(); }

void CDlgCommProgress::start()
{
    if (m_running) return;
    m_running = true;
    m_ok->setEnabled(false);
    m_cancel->setEnabled(false);
    setCursor(Qt::WaitCursor);
    // The session reports from its worker thread; the dialog's own post box
    // carries each report to the window's thread. The destructor joins the
    // worker first, so the box outlives every report.
    ThreadPost* post = m_post;
    auto progress = [this, post](int percent) { post->post([this, percent] { onProgress(percent); }); };
    const bool started = m_worker->start([session = m_session, progress] { return session(progress); },
                                         [this, post](const TransferResult& result) {
                                             post->post([this, result] { onFinished(result); });
                                         });
    if (!started) {
        m_running = false;
        m_ok->setEnabled(true);
        m_cancel->setEnabled(true);
        unsetCursor();
    }
}

void CDlgCommProgress::onProgress(int percent)
{
    percent = std::clamp(percent, 0, 100);
    const int textId = m_mode == Mode::Read ? 1604 : 1605;
    const QString pattern = LangText::caption(m_host, textId, m_mode == Mode::Read ? "Reading... %d" : "Writing... %d");
    m_text->setText(LangText::format(pattern, {QString::number(percent)}) + "%");
    m_bar->setValue(percent);
}

QString CDlgCommProgress::messageText(const Outcome& outcome) const
{
    return QString::fromStdString(outcomeText(outcome, [this](int id) { return m_host.message(id); }).oneLine());
}

void CDlgCommProgress::onFinished(const TransferResult& result)
{
    m_worker->join();
    m_running = false;
    unsetCursor();
    m_result = result;
    const Outcome& o = result.outcome;
    const QString text = o.message ? messageText(o) : QString();
    if (o.message) {
        emit messageShown(o.message, text);
        QMessageBox box(o.ok ? QMessageBox::Information : QMessageBox::Warning, windowTitle(),
                        text.isEmpty() ? QString::number(o.message) : text, QMessageBox::Ok, this);
        box.setObjectName("commMessage");
        box.exec();
    }
    if (o.ok) {
        accept();
        return;
    }
    // No radio answered on any port: the dialog stays open to try again
    // (after checking the cable or choosing another port).
    if (o.message == kNoRadio && result.port.empty()) {
        m_ok->setEnabled(true);
        m_cancel->setEnabled(true);
        return;
    }
    QDialog::reject();
}

void CDlgCommProgress::reject()
{
    if (m_running) return;
    QDialog::reject();
}

void CDlgCommProgress::done(int result)
{
    QDialog::done(result);
    if (QWidget* owner = parentWidget()) {
        owner->window()->raise();
        owner->window()->activateWindow();
    }
}

void CDlgCommProgress::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_startOnShow || m_startedOnShow) return;
    m_startedOnShow = true;
    // After the window is up, so its first paint is not held back.
    QMetaObject::invokeMethod(this, &CDlgCommProgress::start, Qt::QueuedConnection);
}

void CDlgCommProgress::closeEvent(QCloseEvent* event)
{
    if (m_running) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
