#include "frame/CDlgTuneSubItem.h"

#include "controls/ControlId.h"
#include "controls/DialogButtons.h"
#include "controls/LanguageApply.h"
#include "frame/FrameHost.h"
#include "frame/TuningWorker.h"
#include "link/RadioLink.h"
#include "settings/TextIds.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

QLabel* label(QWidget* parent, int id, const QString& text = {})
{
    auto* l = new QLabel(text, parent);
    setControlId(l, id);
    return l;
}

}  // namespace

template <class Job, class Done>
void CDlgTuneSubItem::post(Job job, Done done)
{
    // A job that has not run when the dialog ended sends nothing; an ending
    // that arrives after it is not acted on.
    QPointer<CDlgTuneSubItem> self(this);
    auto stopped = m_stopped;
    ++m_pending;
    m_context.worker.post([stopped, job](CRadioLink& link) mutable { if (!*stopped) job(link); },
                          [self, stopped, done]() mutable {
                              if (!self) return;
                              --self->m_pending;
                              if (!*stopped) done();
                          });
}

CDlgTuneSubItem::CDlgTuneSubItem(const TuningContext& context, const TuningItem& item, std::uint16_t firstRegister,
                                 std::uint16_t value, QWidget* parent)
    : QDialog(parent), m_context(context), m_item(item), m_range(valueScrollRange(item.id))
{
    setObjectName("dlgTuneSubItem");
    m_tuneData = context.tuneData ? context.tuneData() : std::vector<std::uint8_t>{};
    m_spacing = item.firstSpacing().value_or(Spacing::Wide);

    auto* column = new QVBoxLayout(this);
    auto* spacingRow = new QHBoxLayout;
    m_wide = new QRadioButton(tr("Wide"), this);
    m_middle = new QRadioButton(tr("Middle"), this);
    m_narrow = new QRadioButton(tr("Narrow"), this);
    setControlId(m_wide, kWide);
    setControlId(m_middle, kMiddle);
    setControlId(m_narrow, kNarrow);
    for (QRadioButton* b : {m_wide, m_middle, m_narrow}) spacingRow->addWidget(b);
    spacingRow->addStretch();
    column->addLayout(spacingRow);

    m_tabs = new QTabBar(this);
    setControlId(m_tabs, kTabs);
    m_tabs->setExpanding(false);
    column->addWidget(m_tabs);

    auto* grid = new QGridLayout;
    grid->addWidget(label(this, kRxText - 1, tr("RX Frequency[MHz]")), 0, 0);
    m_rxText = label(this, kRxText);
    grid->addWidget(m_rxText, 0, 1, 1, 2);
    grid->addWidget(label(this, kTxText - 1, tr("TX Frequency[MHz]")), 1, 0);
    m_txText = label(this, kTxText);
    grid->addWidget(m_txText, 1, 1, 1, 2);
    m_valueText = label(this, kValueText);
    grid->addWidget(m_valueText, 2, 0, 1, 3);
    m_valueMin = label(this, kValueMin, QString::number(m_range.min));
    m_valueBar = new QScrollBar(Qt::Horizontal, this);
    setControlId(m_valueBar, kValueBar);
    m_valueBar->setRange(m_range.min, m_range.max);
    m_valueBar->setSingleStep(m_range.line);
    m_valueBar->setPageStep(m_range.page);
    m_valueBar->setMinimumWidth(300);
    m_valueMax = label(this, kValueMax, QString::number(m_range.max));
    grid->addWidget(m_valueMin, 3, 0);
    grid->addWidget(m_valueBar, 3, 1);
    grid->addWidget(m_valueMax, 3, 2);

    auto* volumeColumn = new QVBoxLayout;
    volumeColumn->addWidget(label(this, kVolumeMax, QString::number(kVolumeScroll.max)), 0, Qt::AlignHCenter);
    m_volumeBar = new QScrollBar(Qt::Vertical, this);
    setControlId(m_volumeBar, kVolumeBar);
    // The top of a vertical bar is its loudest end.
    m_volumeBar->setInvertedAppearance(true);
    m_volumeBar->setInvertedControls(true);
    m_volumeBar->setRange(kVolumeScroll.min, kVolumeScroll.max);
    m_volumeBar->setSingleStep(kVolumeScroll.line);
    m_volumeBar->setPageStep(kVolumeScroll.page);
    m_volumeBar->setMinimumHeight(120);
    volumeColumn->addWidget(m_volumeBar, 1, Qt::AlignHCenter);
    volumeColumn->addWidget(label(this, kVolumeMin, QString::number(kVolumeScroll.min)), 0, Qt::AlignHCenter);
    m_volumeText = label(this, kVolumeText);
    volumeColumn->addWidget(m_volumeText, 0, Qt::AlignHCenter);
    grid->addLayout(volumeColumn, 0, 3, 5, 1);
    grid->setColumnStretch(1, 1);
    column->addLayout(grid);

    auto* bottom = new QHBoxLayout;
    m_txOn = new QPushButton(tr("TX On"), this);
    setControlId(m_txOn, kTxOn);
    m_txOn->setCheckable(true);
    bottom->addWidget(m_txOn);
    bottom->addStretch();
    auto* buttons = makeDialogButtons(this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help,
                                      [this] { if (m_context.help) m_context.help(kTemplate); });
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_cancel = buttons->button(QDialogButtonBox::Cancel);
    setControlId(m_ok, kOk);
    setControlId(m_cancel, 2);
    bottom->addWidget(buttons);
    column->addLayout(bottom);

    applyLanguage(this, kTemplate, context.host);
    setWindowTitle(QString::fromStdString(item.name));

    m_middle->setVisible(item.showsMiddle());
    spacingButton(m_spacing)->setChecked(true);
    showValue(value);
    (void)firstRegister;  // the tabs read it again, as the radio holds it now
    showVolume(kInitialVolume);

    connect(m_wide, &QRadioButton::clicked, this, [this] { chooseSpacing(Spacing::Wide); });
    connect(m_middle, &QRadioButton::clicked, this, [this] { chooseSpacing(Spacing::Middle); });
    connect(m_narrow, &QRadioButton::clicked, this, [this] { chooseSpacing(Spacing::Narrow); });
    connect(m_tabs, &QTabBar::currentChanged, this, [this] {
        showOutputCaption();
        readCurrent();
    });
    connect(m_valueBar, &QScrollBar::valueChanged, this, &CDlgTuneSubItem::valueMoved);
    connect(m_volumeBar, &QScrollBar::valueChanged, this, &CDlgTuneSubItem::volumeMoved);
    connect(m_txOn, &QPushButton::clicked, this, &CDlgTuneSubItem::outputClicked);
    buildTabs();
}

CDlgTuneSubItem::~CDlgTuneSubItem()
{
    *m_stopped = true;
}

QRadioButton* CDlgTuneSubItem::spacingButton(Spacing s) const
{
    switch (s) {
    case Spacing::Wide: return m_wide;
    case Spacing::Middle: return m_middle;
    case Spacing::Narrow: return m_narrow;
    }
    return m_wide;
}

std::uint16_t CDlgTuneSubItem::currentRegister() const
{
    const int index = m_tabs->currentIndex();
    return index < 0 ? 0 : static_cast<std::uint16_t>(m_tabs->tabData(index).toUInt());
}

void CDlgTuneSubItem::say(int messageId)
{
    emit messageShown(messageId);
    QMessageBox::warning(this, windowTitle(), QString::fromStdString(m_context.host.message(messageId)));
}

void CDlgTuneSubItem::buildTabs()
{
    {
        const QSignalBlocker quiet(m_tabs);
        while (m_tabs->count() > 0) m_tabs->removeTab(0);
    }
    const std::vector<std::string> names = tunePointNames(m_context.host.caption(CapId::kTunePointNames));
    if (names.empty()) {
        setWaiting(false);
        say(MsgId::kTunePointNamesMissing);
        return;
    }
    {
        const QSignalBlocker quiet(m_tabs);
        for (int k = 0; k < TuningItem::kPoints; ++k) {
            if (!m_item.hasPoint(m_spacing, k)) continue;
            const QString name = k < static_cast<int>(names.size()) ? QString::fromStdString(names[k])
                                                                   : QString::number(k + 1);
            const int index = m_tabs->addTab(name);
            m_tabs->setTabData(index, static_cast<unsigned>(m_item.registerOf(m_spacing, k)));
        }
        m_tabs->setCurrentIndex(m_tabs->count() > 0 ? 0 : -1);
    }
    showOutputCaption();
    readCurrent();
}

void CDlgTuneSubItem::readCurrent()
{
    if (m_tabs->count() == 0) {
        setWaiting(false);
        return;
    }
    const std::uint16_t reg = currentRegister();
    flushWrites();
    setWaiting(true);
    struct Read {
        int result = 0;
        std::array<std::uint8_t, 2> bytes{};
    };
    auto read = std::make_shared<Read>();
    post([read, reg](CRadioLink& link) { read->result = link.readRegister(reg, read->bytes.data(), 2); },
         [this, read, reg] {
             if (read->result == 0) return fail(1, MsgId::kTuneReadFailed);
             if (read->result < 0) return fail(1, MsgId::kNoRadio);
             // Another tab may have been chosen meanwhile; its own read follows.
             if (reg != currentRegister()) return;
             showValue(static_cast<std::uint16_t>(read->bytes[0] << 8 | read->bytes[1]));
             setWaiting(false);
         });
}

void CDlgTuneSubItem::showValue(std::uint16_t value)
{
    {
        const QSignalBlocker quiet(m_valueBar);
        m_valueBar->setValue(m_range.clamp(value));
    }
    m_valueText->setText(QString::fromStdString(m_context.host.caption(CapId::kTuneValueLabel)) + QString::number(value));
    const std::uint16_t reg = currentRegister();
    if (reg == 0 || !m_context.pointFrequencies) return;
    // The points of every spacing share the five test points.
    const auto texts = m_context.pointFrequencies((reg - m_item.id) % TuningItem::kPoints);
    m_rxText->setText(texts[0]);
    m_txText->setText(texts[1]);
}

void CDlgTuneSubItem::showVolume(int volume)
{
    {
        const QSignalBlocker quiet(m_volumeBar);
        m_volumeBar->setValue(volume);
    }
    m_volumeText->setText(QString::fromStdString(m_context.host.caption(CapId::kTuneVolumeLabel)) +
                          QString::number(volume));
}

void CDlgTuneSubItem::showOutputCaption()
{
    const std::string text = m_context.host.caption(outputCaptionId(currentRegister(), m_txOn->isChecked()));
    if (!text.empty()) m_txOn->setText(QString::fromStdString(text));
}

void CDlgTuneSubItem::valueMoved(int position)
{
    const std::uint16_t reg = currentRegister();
    if (reg == 0 || m_reading || m_ending) return;
    const auto value = static_cast<std::uint16_t>(m_range.clamp(position));
    m_valueText->setText(QString::fromStdString(m_context.host.caption(CapId::kTuneValueLabel)) + QString::number(value));
    putTuneValue(m_tuneData, reg, value);
    submit({reg, value});
}

void CDlgTuneSubItem::volumeMoved(int position)
{
    if (m_ending) return;
    const int volume = kVolumeScroll.clamp(position);
    showVolume(volume);
    submit({kVolumeRegister, static_cast<std::uint16_t>(volume)});
}

void CDlgTuneSubItem::submit(RegisterWrite write)
{
    if (const std::optional<RegisterWrite> now = m_writer.submit(write)) send(*now);
}

void CDlgTuneSubItem::send(RegisterWrite write)
{
    auto ok = std::make_shared<bool>(false);
    post([ok, write](CRadioLink& link) {
             const auto bytes = registerBytes(write.value);
             *ok = link.writeRegister(write.reg, bytes.data(), bytes.size());
         },
         [this, ok] {
             if (!*ok) return fail(0);
             if (const std::optional<RegisterWrite> next = m_writer.finished()) send(*next);
         });
}

void CDlgTuneSubItem::flushWrites()
{
    for (const RegisterWrite& w : m_writer.flush()) send(w);
}

void CDlgTuneSubItem::outputClicked(bool checked)
{
    const std::uint16_t reg = currentRegister();
    showOutputCaption();
    flushWrites();
    auto ok = std::make_shared<bool>(false);
    const std::uint8_t channel = outputChannel(reg);
    post([ok, channel, checked](CRadioLink& link) { *ok = link.output(channel, checked ? 1 : 0); },
         [this, ok, checked] {
             if (*ok || !checked) return;
             // The radio did not switch on: the button says so.
             m_txOn->setChecked(false);
             showOutputCaption();
         });
}

void CDlgTuneSubItem::chooseSpacing(Spacing s)
{
    if (s == m_spacing) return;
    m_spacing = s;
    buildTabs();
}

void CDlgTuneSubItem::setWaiting(bool waiting)
{
    m_reading = waiting;
    const bool free = !m_reading && !m_ending;
    const std::array<bool, 3> offered = m_item.spacingButtons();
    for (Spacing s : {Spacing::Narrow, Spacing::Middle, Spacing::Wide})
        spacingButton(s)->setEnabled(free && offered[static_cast<int>(s)]);
    m_tabs->setEnabled(free);
    const bool hasTab = m_tabs->count() > 0;
    m_valueBar->setEnabled(free && hasTab);
    m_volumeBar->setEnabled(free && m_item.isVolumeItem());
    m_txOn->setEnabled(free && hasTab && !m_item.isVolumeItem());
    m_ok->setEnabled(!m_ending);
    m_cancel->setEnabled(!m_ending);
}

void CDlgTuneSubItem::fail(int status, int messageId)
{
    *m_stopped = true;
    m_writer.drop();
    m_status = status;
    m_ending = true;
    setWaiting(false);
    if (messageId) say(messageId);
    QDialog::done(QDialog::Rejected);
}

void CDlgTuneSubItem::accept()
{
    if (m_ending) return;
    flushWrites();
    m_ending = true;
    setWaiting(m_reading);
    auto ok = std::make_shared<bool>(false);
    post([ok](CRadioLink& link) { *ok = link.tuningMode(true); },
         [this, ok] {
             if (*ok) return QDialog::accept();
             // The radio did not keep the values: the store does not take them.
             m_status = 0;
             QDialog::reject();
         });
}

void CDlgTuneSubItem::reject()
{
    if (m_ending) return;
    flushWrites();
    m_ending = true;
    setWaiting(m_reading);
    post([](CRadioLink& link) { link.tuningMode(false); }, [this] { QDialog::reject(); });
}
