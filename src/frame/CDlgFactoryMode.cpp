#include "frame/CDlgFactoryMode.h"

#include "app/FactoryModeImage.h"
#include "app/OutcomeText.h"
#include "controls/CharFilterEdit.h"
#include "controls/ControlId.h"
#include "controls/LanguageApply.h"
#include "frame/FrameHost.h"
#include "frame/FrameTextIds.h"
#include "frame/LangText.h"
#include "frame/ThreadPost.h"
#include "link/TransferPlans.h"
#include "link/TransferWorker.h"
#include "settings/TextIds.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

namespace C = FactoryControl;

QString qs(const std::string& s) { return QString::fromStdString(s); }

const QString kNumberChars = kDecimalDigits + QStringLiteral(".");

// Every control's label carries the id just before the control's.
int labelOf(int controlId) { return controlId - 1; }

QLineEdit* edit(QWidget* parent, int id, int most, const QString& allowed = {})
{
    QLineEdit* e = allowed.isEmpty() ? new QLineEdit(parent) : new CCharFilterEdit(allowed, parent);
    e->setMaxLength(most);
    setControlId(e, id);
    return e;
}

QComboBox* combo(QWidget* parent, int id)
{
    auto* c = new QComboBox(parent);
    setControlId(c, id);
    return c;
}

// Selects the item of `value`; a value the list lacks is shown as its
// number, so a store gives it back unchanged.
void choose(QComboBox* c, int value)
{
    int i = c->findData(value);
    if (i < 0) {
        c->addItem(QString::number(value), value);
        i = c->count() - 1;
    }
    c->setCurrentIndex(i);
}

int chosen(const QComboBox* c) { return c->currentIndex() < 0 ? 0 : c->currentData().toInt(); }

}  // namespace

CDlgFactoryMode::CDlgFactoryMode(const IFrameHost& host, Start start, JobMaker jobs, ProfileFile volume,
                                 QWidget* parent)
    : QDialog(parent), m_host(host), m_start(std::move(start)), m_jobs(std::move(jobs)), m_volume(std::move(volume)),
      m_image(m_start.image), m_worker(std::make_unique<TransferWorker>()),
      m_post(new ThreadPost(this))
{
    setObjectName("dlgFactoryMode");
    setWindowTitle(tr("Factory Mode"));
    buildControls();
    applyLanguage(this, kTemplate, host);
    // Only the full level may change what the radio is: its band, range,
    // signalling and first channel.
    for (QWidget* w : std::initializer_list<QWidget*>{m_bandFlag, m_rangeId, m_rangeLow, m_rangeHigh, m_signalling,
                                                      m_openChannel})
        if (!m_start.fullAccess) w->setEnabled(false);
    m_firmware->setText(qs(m_start.firmwareVersion));
    load(m_start.form);
    connect(m_modelName, &QLineEdit::editingFinished, this, &CDlgFactoryMode::onModelNameLeft);
}

CDlgFactoryMode::~CDlgFactoryMode()
{
    // The worker calls back into this dialog; it must be gone first.
    m_worker->join();
}

void CDlgFactoryMode::buildControls()
{
    auto* column = new QVBoxLayout(this);
    auto* sides = new QHBoxLayout;
    auto* left = new QFormLayout;
    auto* right = new QFormLayout;
    const auto row = [this](QFormLayout* f, int id, const QString& text, QWidget* control) {
        auto* l = new QLabel(text, this);
        setControlId(l, labelOf(id));
        l->setBuddy(control);
        f->addRow(l, control);
    };
    m_modelName = edit(this, C::kModelName, 12);
    m_serial = edit(this, C::kSerial, 16);
    m_bandFlag = combo(this, C::kBandFlag);
    m_rangeId = edit(this, C::kRangeId, 3, kDecimalDigits);
    m_rangeLow = edit(this, C::kRangeLow, 9, kNumberChars);
    m_rangeHigh = edit(this, C::kRangeHigh, 9, kNumberChars);
    m_signalling = combo(this, C::kSignalling);
    m_openChannel = combo(this, C::kOpenChannel);
    row(left, C::kModelName, tr("Model Name"), m_modelName);
    row(left, C::kSerial, tr("Serial Number"), m_serial);
    row(left, C::kBandFlag, tr("U/V Band Flag"), m_bandFlag);
    row(left, C::kRangeId, tr("Frequency Range ID"), m_rangeId);
    row(left, C::kRangeLow, tr("Frequency Range Low[MHz]"), m_rangeLow);
    row(left, C::kRangeHigh, tr("Frequency Range High[MHz]"), m_rangeHigh);
    row(left, C::kSignalling, tr("Signaling Type"), m_signalling);
    row(left, C::kOpenChannel, tr("Open Channel Number"), m_openChannel);

    m_pll = edit(this, C::kPll, 8, kNumberChars);
    m_rxMiddle = edit(this, C::kRxMiddle, 8, kNumberChars);
    m_addSub = combo(this, C::kAddSub);
    m_releaseDebug = combo(this, C::kReleaseDebug);
    m_lcd = combo(this, C::kLcd);
    m_firmware = edit(this, C::kFirmware, 16);
    m_firmware->setReadOnly(true);
    row(right, C::kPll, tr("PLL Local Oscillator Frequency[MHz]"), m_pll);
    row(right, C::kRxMiddle, tr("RX Middle Frequency[MHz]"), m_rxMiddle);
    row(right, C::kAddSub, tr("RX Middle Frequency Add/Sub"), m_addSub);
    row(right, C::kReleaseDebug, tr("Release/Debug Version"), m_releaseDebug);
    row(right, C::kLcd, tr("LCD/No-LCD Version"), m_lcd);
    auto* options = new QHBoxLayout;
    for (int k = 0; k < 4; ++k) {
        m_options[k] = new QCheckBox(tr("Option %1").arg(k + 1), this);
        setControlId(m_options[k], C::kFirstOption + k);
        options->addWidget(m_options[k]);
    }
    right->addRow(options);
    row(right, C::kFirmware, tr("Firmware Version"), m_firmware);

    auto* tune = new QGroupBox(tr("Tune Switch"), this);
    setControlId(tune, C::kTuneOpen - 1);
    auto* tuneRow = new QHBoxLayout(tune);
    m_tuneOpen = new QRadioButton(tr("Open"), tune);
    m_tuneClose = new QRadioButton(tr("Close"), tune);
    setControlId(m_tuneOpen, C::kTuneOpen);
    setControlId(m_tuneClose, C::kTuneClose);
    auto* tuneWrite = new QPushButton(tr("Write Tune Switch"), tune);
    setControlId(tuneWrite, kWriteTuneSwitch);
    tuneRow->addWidget(m_tuneOpen);
    tuneRow->addWidget(m_tuneClose);
    tuneRow->addStretch();
    tuneRow->addWidget(tuneWrite);
    right->addRow(tune);

    sides->addLayout(left);
    sides->addSpacing(16);
    sides->addLayout(right);
    column->addLayout(sides);

    m_busyBar = new QProgressBar(this);
    setControlId(m_busyBar, kBusy);
    m_busyBar->setRange(0, 0);  // no percentage: the blocks are few
    m_busyBar->setTextVisible(false);
    m_busyBar->setAccessibleName(LangText::message(m_host, MsgId::kFactoryBusy, tr("Working with the radio...")));
    m_busyBar->hide();
    column->addWidget(m_busyBar);

    auto* buttons = new QDialogButtonBox(this);
    auto* read = buttons->addButton(tr("Read"), QDialogButtonBox::ActionRole);
    auto* write = buttons->addButton(tr("Write"), QDialogButtonBox::ActionRole);
    auto* close = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    auto* help = buttons->addButton(QDialogButtonBox::Help);
    setControlId(read, kRead);
    setControlId(write, kWrite);
    setControlId(close, kClose);
    setControlId(help, 9);
    for (QPushButton* b : {read, write, close}) b->setAutoDefault(false);
    column->addWidget(buttons);
    m_buttons = {read, write, close, tuneWrite, help};

    connect(read, &QPushButton::clicked, this, [this] { startJob(Job::Read); });
    connect(write, &QPushButton::clicked, this, [this] { startJob(Job::Write); });
    connect(tuneWrite, &QPushButton::clicked, this, [this] { startJob(Job::TuneSwitch); });
    connect(close, &QPushButton::clicked, this, &CDlgFactoryMode::reject);
    connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(kTemplate); });
}

void CDlgFactoryMode::load(const FactorySettingsForm& f)
{
    m_modelName->setText(qs(f.modelName));
    m_serial->setText(qs(f.serialNumber));
    choose(m_bandFlag, f.bandFlag);
    m_rangeId->setText(qs(f.rangeId));
    m_rangeLow->setText(qs(f.rangeLow));
    m_rangeHigh->setText(qs(f.rangeHigh));
    choose(m_signalling, f.signallingType);
    choose(m_openChannel, f.openChannel);
    m_pll->setText(qs(f.pllFrequency));
    m_rxMiddle->setText(qs(f.rxMiddleFrequency));
    choose(m_addSub, f.rxMiddleAddSub);
    choose(m_releaseDebug, f.releaseDebug);
    choose(m_lcd, f.lcdVersion);
    for (int k = 0; k < 4; ++k) m_options[k]->setChecked(f.options[static_cast<std::size_t>(k)]);
    (f.tuneSwitchOpen ? m_tuneOpen : m_tuneClose)->setChecked(true);
}

FactorySettingsForm CDlgFactoryMode::form() const
{
    FactorySettingsForm f;
    f.modelName = m_modelName->text().trimmed().toStdString();
    f.serialNumber = m_serial->text().toStdString();
    f.bandFlag = chosen(m_bandFlag);
    f.rangeId = m_rangeId->text().toStdString();
    f.rangeLow = m_rangeLow->text().toStdString();
    f.rangeHigh = m_rangeHigh->text().toStdString();
    f.signallingType = chosen(m_signalling);
    f.openChannel = chosen(m_openChannel);
    f.pllFrequency = m_pll->text().toStdString();
    f.rxMiddleFrequency = m_rxMiddle->text().toStdString();
    f.rxMiddleAddSub = chosen(m_addSub);
    f.releaseDebug = chosen(m_releaseDebug);
    f.lcdVersion = chosen(m_lcd);
    for (int k = 0; k < 4; ++k) f.options[static_cast<std::size_t>(k)] = m_options[k]->isChecked();
    f.tuneSwitchOpen = m_tuneOpen->isChecked();
    return f;
}

void CDlgFactoryMode::say(int messageId, const QString& text, bool warning)
{
    m_saying = true;
    emit messageShown(messageId, text);
    QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::Information, windowTitle(), text, QMessageBox::Ok,
                    this);
    box.setObjectName("factoryMessage");
    box.exec();
    m_saying = false;
}

bool CDlgFactoryMode::checkEntries()
{
    const auto problem = checkFactoryForm(form());
    if (!problem) return true;
    const QString field = LangText::caption(m_host, labelOf(problem->controlId)).remove('&');
    int id = 0;
    QString text;
    switch (problem->kind) {
    case FactoryProblem::Empty:
        id = MsgId::kFactoryModelNameEmpty;
        text = LangText::message(m_host, id, tr("The model name must not be empty."));
        break;
    case FactoryProblem::TooLong:
        id = MsgId::kFactoryTooLong;
        text = LangText::format(LangText::message(m_host, id, tr("%s: at most %d characters.")),
                                {field, QString::number(problem->limitLow)});
        break;
    case FactoryProblem::NotDigits:
        id = MsgId::kFactoryNotNumber;
        text = LangText::format(LangText::message(m_host, id, tr("%s: enter a number.")), {field});
        break;
    case FactoryProblem::OutOfRange:
        id = MsgId::kFactoryOutOfRange;
        text = LangText::format(LangText::message(m_host, id, tr("%s must be from %d to %d.")),
                                {field, QString::number(problem->limitLow), QString::number(problem->limitHigh)});
        break;
    }
    say(id, text, true);
    if (QWidget* w = findControl(this, problem->controlId)) {
        w->setFocus();
        if (auto* e = qobject_cast<QLineEdit*>(w)) e->selectAll();
    }
    return false;
}

void CDlgFactoryMode::onModelNameLeft()
{
    if (m_saying || !m_modelName->text().trimmed().isEmpty()) return;
    say(MsgId::kFactoryModelNameEmpty,
        LangText::message(m_host, MsgId::kFactoryModelNameEmpty, tr("The model name must not be empty.")), true);
    m_modelName->setFocus();
}

void CDlgFactoryMode::setBusy(bool busy)
{
    m_busy = busy;
    for (QPushButton* b : m_buttons) b->setEnabled(!busy);
    m_busyBar->setVisible(busy);
    if (busy) setCursor(Qt::WaitCursor);
    else unsetCursor();
}

void CDlgFactoryMode::startJob(Job job)
{
    if (m_busy) return;
    if (job == Job::Write) {
        if (!checkEntries()) return;
        storeFactoryFormInImage(m_image, form(), m_start.modelId, m_volume);
    }
    if (job == Job::TuneSwitch) m_image[Plans::kTuneSwitch] = m_tuneOpen->isChecked() ? 1 : 0;
    auto run = m_jobs(job);
    auto image = std::make_shared<RadioImage>(m_image);
    setBusy(true);
    // The destructor joins the worker first, so the post box outlives it.
    const bool started = m_worker->start([run, image] { return run(*image); },
                                         [this, post = m_post, image, job](const TransferResult& result) {
                                             post->post([this, image, job, result] { finished(job, result, *image); });
                                         });
    if (!started) setBusy(false);
}

void CDlgFactoryMode::finished(Job job, const TransferResult& result, const RadioImage& image)
{
    m_worker->join();
    setBusy(false);
    if (result.identified) m_firmware->setText(qs(result.identity.firmwareVersion));
    if (onLearned) onLearned(job, result);
    const Outcome& o = result.outcome;
    if (job != Job::Read && o.ok) m_wrote = true;
    if (job == Job::Read && o.ok) {
        // Only a read that got every block replaces what the dialog shows.
        m_image = image;
        m_read = true;
        load(factoryFormOfImage(m_image, result.bandWordsRange));
    }
    if (o.message)
        say(o.message, qs(outcomeText(o, [this](int id) { return m_host.message(id); }).oneLine()), !o.ok);
}

void CDlgFactoryMode::reject()
{
    if (m_busy || !checkEntries()) return;
    // Close hands the values to the program: the dialog ends accepted.
    QDialog::accept();
}

void CDlgFactoryMode::closeEvent(QCloseEvent* event)
{
    event->ignore();
    reject();
}
