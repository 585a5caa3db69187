#include "frame/CDlgModelInfo.h"

#include "controls/ControlId.h"
#include "controls/DialogButtons.h"
#include "controls/LanguageApply.h"
#include "frame/FrameHost.h"
#include "model/ModelFile.h"
#include "settings/SettingsManager.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

QLabel* label(const QString& text, int id, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    setControlId(l, id);
    return l;
}

}  // namespace

CDlgModelInfo::CDlgModelInfo(const IFrameHost& host, const CSettingsManager& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings)
{
    setObjectName("dlgModelInfo");
    setWindowTitle(tr("Model Information"));
    m_choice = currentModelChoice(settings);
    m_file = std::make_unique<CModelFile>(settings.modelDatPath(), settings.modelDatWritePath(), m_choice.modelId,
                                          m_choice.modelName, m_choice.freqRange, m_choice.signal);

    auto* column = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_names = new QComboBox(this);
    m_ranges = new QComboBox(this);
    m_signal = new QComboBox(this);
    setControlId(m_names, kNameCombo);
    setControlId(m_ranges, kRangeCombo);
    setControlId(m_signal, kSignalCombo);
    form->addRow(label(tr("Model Name"), kNameCombo - 1, this), m_names);
    form->addRow(label(tr("Frequency Range[MHz]"), kRangeCombo - 1, this), m_ranges);
    form->addRow(label(tr("Signaling"), kSignalCombo - 1, this), m_signal);
    column->addLayout(form);
    auto* buttons = makeDialogButtons(this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help,
                                      [this] { emit helpRequested(kTemplate); });
    m_ok = buttons->button(QDialogButtonBox::Ok);
    column->addWidget(buttons);

    applyLanguage(this, kTemplate, host);

    // Every name of every identifier, in the database's order.
    for (const auto& [id, name] : m_file->modelNames()) m_names->addItem(qs(name), qs(id));
    fillRanges(true);

    m_names->setCurrentIndex(m_names->findText(qs(m_choice.modelName), Qt::MatchExactly));
    m_ranges->setCurrentIndex(m_ranges->findText(qs(m_choice.freqRange), Qt::MatchExactly));
    m_signal->setCurrentIndex(m_signal->findText(qs(settings.textForValue(kSignalCombo, m_choice.signal))));
    m_signal->setEnabled(settings.modelFlagFor(m_choice.modelId, kSignalCombo) == 0);

    updateOk();

    connect(m_names, &QComboBox::currentIndexChanged, this, &CDlgModelInfo::onNameChanged);
    connect(m_ranges, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) m_choice.freqRange = m_ranges->itemText(i).toStdString();
    });
    connect(m_signal, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) m_choice.signal = m_signal->itemData(i).toInt();
    });
}

CDlgModelInfo::~CDlgModelInfo() = default;

void CDlgModelInfo::fillRanges(bool withFlags)
{
    const QSignalBlocker block(m_ranges);
    m_ranges->clear();
    // One read of the database for the whole list, however long it is.
    for (const FreqRangeEntry& e : m_file->readEntries()) {
        const QString text = QString("%1-%2").arg(e.low).arg(e.high);
        if (withFlags)
            m_ranges->addItem(text, static_cast<int>(e.flags));
        else
            m_ranges->addItem(text);
    }
}

void CDlgModelInfo::onNameChanged(int index)
{
    if (index < 0) return;
    const std::string name = m_names->itemText(index).toStdString();
    const std::string id = m_file->findIdentifier(name);
    if (id != m_choice.modelId) {
        // Another identifier: its first range (none when the database
        // lists none, and then OK stays off).
        m_choice = completeModelChoice({id, name, "", m_choice.signal}, m_settings, false);
        m_file->setIdentifier(id);
        fillRanges(false);
        m_ranges->setCurrentIndex(m_ranges->findText(qs(m_choice.freqRange), Qt::MatchExactly));
    } else {
        m_choice.modelName = name;
    }
    // The flag of the chosen identifier, without touching the program's
    // current model.
    m_signal->setEnabled(m_settings.modelFlagFor(m_choice.modelId, kSignalCombo) == 0);
    if (m_signal->currentIndex() >= 0) m_choice.signal = m_signal->currentData().toInt();
    updateOk();
}

void CDlgModelInfo::updateOk()
{
    // A model whose database entry lists no range cannot be confirmed: the
    // codeplug would be made for a range of 0-0 MHz.
    m_ok->setEnabled(!m_choice.freqRange.empty());
}
