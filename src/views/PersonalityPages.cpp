#include "views/PersonalityPages.h"

#include "controls/CharFilterEdit.h"
#include "controls/ControlId.h"
#include "model/PersonalityRecord.h"
#include "model/PrimaryIdText.h"
#include "views/EditorContext.h"
#include "views/FormTable.h"
#include "views/SectionChoices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

constexpr int kTxAdmit = 2321;
constexpr int kTimeout = 2325;
constexpr int kPreAlert = 2327;
constexpr int kRekey = 2329;
constexpr int kReset = 2331;

constexpr FormControl kRxTxControls[] = {
    {2320, FormKind::Label, "TX Admit"},
    {kTxAdmit, FormKind::Combo, "", "tx_admit"},
    {2324, FormKind::Label, "TX Time-out Time[s]"},
    {kTimeout, FormKind::Combo, "", "timeout_time"},
    {2326, FormKind::Label, "TOT Pre-Alert Time[s]"},
    {kPreAlert, FormKind::Combo, "", "timeout_pre_alert"},
    {2328, FormKind::Label, "TOT Re-key Time[s]"},
    {kRekey, FormKind::Combo, "", "timeout_rekey"},
    {2330, FormKind::Label, "TOT Reset Time[s]"},
    {kReset, FormKind::Combo, "", "timeout_reset"},
};

constexpr FormControl kSquelchControls[] = {
    {2350, FormKind::Label, "RX Squelch Mode"},
    {2351, FormKind::Combo, "", "squelch_mode"},
};

constexpr int kPrimaryId = 2561;
constexpr int kSideTone = 2570;
constexpr int kShortBeep = 2571;

constexpr FormControl kPttIdControls[] = {
    {2560, FormKind::Label, "Primary ID"},
    {kPrimaryId, FormKind::DigitEdit},
    {2564, FormKind::Label, "PTT-ID Type"},
    {2565, FormKind::Combo, "", "ptt_id_type"},
    {2566, FormKind::Label, "Pre-Time[ms]"},
    {2567, FormKind::Combo, "", "ptt_id_pre_time"},
    {2568, FormKind::Label, "Preamble Bit Sync"},
    {2569, FormKind::Combo, "", "preamble_bit_sync"},
    // Shown as "on": the record keeps the "off" bits.
    {kSideTone, FormKind::Check, "Side Tone"},
    {kShortBeep, FormKind::Check, "Short Beep"},
};

constexpr int kRxType = 2402;
constexpr int kRxSystem = 2404;
constexpr int kTxType = 2407;
constexpr int kTxSystem = 2409;

constexpr FormControl kSignalControls[] = {
    {2401, FormKind::Label, "RX Optional Signaling"},
    {kRxType, FormKind::Combo, "", "rx_signal_type"},
    {2403, FormKind::Label, "RX Signaling System"},
    {kRxSystem, FormKind::Combo},
    {2406, FormKind::Label, "TX Optional Signaling"},
    {kTxType, FormKind::Combo, "", "tx_signal_type"},
    {2408, FormKind::Label, "TX Signaling System"},
    {kTxSystem, FormKind::Combo},
    {2412, FormKind::Label, "Signaling Decode Condition"},
    {2413, FormKind::Combo, "", "decode_condition"},
};

int chosenValue(const QWidget* page, int id)
{
    auto* c = findControlAs<QComboBox>(page, id);
    return c && c->currentIndex() >= 0 ? c->currentData().toInt() : -1;
}

QString primaryIdText(std::uint16_t v) { return QStringLiteral("%1").arg(v, 4, 16, QLatin1Char('0')).toUpper(); }

}  // namespace

// RXTX ----------------------------------------------------------------------

CPersonalityRXTXPage::CPersonalityRXTXPage(EditorContext& context, QWidget* parent)
    : CRecordPage(2311, context, parent)
{
}

void CPersonalityRXTXPage::buildPage() { buildFormControls(this, {Section::Personalities, kRxTxControls}, bindings()); }

void CPersonalityRXTXPage::setupPage()
{
    if (auto* box = findControlAs<QComboBox>(this, kPreAlert))
        for (int i = 0; i < box->count(); ++i)
            preAlertItems_.push_back({box->itemData(i).toInt(), box->itemText(i).toStdString()});
}

void CPersonalityRXTXPage::matchTimeout()
{
    const bool admitted = chosenValue(this, kTxAdmit) != 0;
    enable(kTimeout, admitted);
    if (!admitted) {
        for (int id : {kPreAlert, kRekey, kReset}) enable(id, false);
        return;
    }
    const int timeout = std::max(chosenValue(this, kTimeout), 0);
    for (int id : {kPreAlert, kRekey, kReset}) enable(id, timeout != 0);
    auto* box = findControlAs<QComboBox>(this, kPreAlert);
    if (!box) return;
    // The pre-alert offers as many choices as the time-out has seconds
    // (only its first, "off", without a time-out).
    const QString shown = box->currentText();
    const std::size_t offered = std::min(preAlertItems_.size(), static_cast<std::size_t>(std::max(timeout, 1)));
    const QSignalBlocker quiet(box);
    box->clear();
    for (std::size_t i = 0; i < offered; ++i)
        box->addItem(QString::fromStdString(preAlertItems_[i].text), preAlertItems_[i].value);
    const int again = box->findText(shown);
    box->setCurrentIndex(again >= 0 ? again : (box->count() > 0 ? 0 : -1));
}

void CPersonalityRXTXPage::loadControls(Record& record)
{
    // The full list first, so the stored pre-alert can be shown before it is limited.
    auto* box = findControlAs<QComboBox>(this, kPreAlert);
    if (box && box->count() < static_cast<int>(preAlertItems_.size())) {
        const QSignalBlocker quiet(box);
        box->clear();
        for (const ListItem& item : preAlertItems_) box->addItem(QString::fromStdString(item.text), item.value);
        box->setCurrentIndex(box->findData(static_cast<int>(record.u8(PersonalityField::TimeoutPreAlert))));
    }
    matchTimeout();
}

void CPersonalityRXTXPage::beforeCommit(int controlId)
{
    if (controlId == kTxAdmit || controlId == kTimeout) matchTimeout();
}

// Squelch -------------------------------------------------------------------

CPersonalitySquelchPage::CPersonalitySquelchPage(EditorContext& context, QWidget* parent)
    : CRecordPage(2312, context, parent)
{
}

void CPersonalitySquelchPage::buildPage()
{
    buildFormControls(this, {Section::Personalities, kSquelchControls}, bindings());
}

// PTT-ID --------------------------------------------------------------------

CPersonalityPttIDPage::CPersonalityPttIDPage(EditorContext& context, QWidget* parent)
    : CRecordPage(2555, context, parent)
{
}

void CPersonalityPttIDPage::buildPage() { buildFormControls(this, {Section::Personalities, kPttIdControls}, bindings()); }

void CPersonalityPttIDPage::setupPage()
{
    if (auto* edit = findControlAs<CCharFilterEdit>(this, kPrimaryId)) {
        edit->setAllowedChars(QStringLiteral("0123456789abcdeABCDE"));
        edit->setMaxLength(4);
    }
}

void CPersonalityPttIDPage::loadControls(Record& record)
{
    using namespace PersonalityField;
    if (auto* edit = findControlAs<QLineEdit>(this, kPrimaryId))
        edit->setText(QString::fromStdString(shownPrimaryId(record.u16(PttIdPrimary))));
    if (auto* c = findControlAs<QCheckBox>(this, kSideTone)) c->setChecked(!record.bit(PttIdOptions, SideToneOffBit));
    if (auto* c = findControlAs<QCheckBox>(this, kShortBeep)) c->setChecked(!record.bit(PttIdOptions, ShortBeepOffBit));
}

void CPersonalityPttIDPage::saveControls(Record& record)
{
    using namespace PersonalityField;
    if (auto* edit = findControlAs<QLineEdit>(this, kPrimaryId))
        record.setU16(PttIdPrimary, enteredPrimaryId(edit->text().toStdString()));
    if (auto* c = findControlAs<QCheckBox>(this, kSideTone)) record.setBit(PttIdOptions, SideToneOffBit, !c->isChecked());
    if (auto* c = findControlAs<QCheckBox>(this, kShortBeep)) record.setBit(PttIdOptions, ShortBeepOffBit, !c->isChecked());
}

void CPersonalityPttIDPage::beforeCommit(int controlId)
{
    // The id is shown as it will be stored, before it is stored.
    if (controlId != kPrimaryId) return;
    if (auto* edit = findControlAs<QLineEdit>(this, kPrimaryId))
        edit->setText(primaryIdText(enteredPrimaryId(edit->text().toStdString())));
}

// Signaling -----------------------------------------------------------------

CPersonalitySignalPage::CPersonalitySignalPage(EditorContext& context, QWidget* parent)
    : CRecordPage(2313, context, parent)
{
}

void CPersonalitySignalPage::buildPage() { buildFormControls(this, {Section::Personalities, kSignalControls}, bindings()); }

void CPersonalitySignalPage::fillSystems(int typeBox, int systemBox, int slot, Offset byte)
{
    using namespace PersonalityField;
    auto* box = findControlAs<QComboBox>(this, systemBox);
    if (!box) return;
    const int type = chosenValue(this, typeBox);
    const QSignalBlocker quiet(box);
    if (type == static_cast<int>(kSignalTwoTone)) {
        // Two-tone signalling names one of the two-tone systems.
        fillNumberedBox(box, context().section(Section::TwoToneSystems),
                        context().link(Section::Personalities, recordId(), slot));
    } else {
        // The other kinds have their one set of systems, chosen by number.
        box->clear();
        for (int i = 0; i < 4; ++i) box->addItem(QString::number(i + 1), 0);
        const unsigned index = record() ? record()->bits(byte, SignalIndexLo, SignalIndexBits) : 0;
        box->setCurrentIndex(type <= 0 ? 0 : static_cast<int>(index));
    }
    enable(systemBox, type > 0);
}

void CPersonalitySignalPage::loadControls(Record&)
{
    fillSystems(kRxType, kRxSystem, RecordLink::kRxSystem, PersonalityField::RxSignal);
    fillSystems(kTxType, kTxSystem, RecordLink::kTxSystem, PersonalityField::TxSignal);
}

void CPersonalitySignalPage::saveControls(Record& record)
{
    using namespace PersonalityField;
    struct Side { int type, system, slot; Offset byte; };
    for (const Side s : {Side{kRxType, kRxSystem, RecordLink::kRxSystem, RxSignal},
                         Side{kTxType, kTxSystem, RecordLink::kTxSystem, TxSignal}}) {
        auto* box = findControlAs<QComboBox>(this, s.system);
        const bool twoTone = chosenValue(this, s.type) == static_cast<int>(kSignalTwoTone);
        // Without a system to choose (a deleted one) the stored index stays.
        if (!box || box->currentIndex() < 0) {
            if (!twoTone) context().setLink(Section::Personalities, recordId(), s.slot, 0);
            continue;
        }
        record.setBits(s.byte, SignalIndexLo, SignalIndexBits, static_cast<unsigned>(box->currentIndex()) & 3u);
        context().setLink(Section::Personalities, recordId(), s.slot, twoTone ? box->currentData().toInt() : 0);
    }
}

void CPersonalitySignalPage::clearIfValid(int typeBox, int systemBox)
{
    // Only two-tone signalling refers to a record; any other type, or a
    // two-tone system that exists, leaves nothing invalid.
    const bool twoTone = chosenValue(this, typeBox) == static_cast<int>(PersonalityField::kSignalTwoTone);
    if (!twoTone || chosenId(findControlAs<QComboBox>(this, systemBox)) > 0)
        clearInvalidEntry(context(), recordId(), typeBox);
}

void CPersonalitySignalPage::beforeCommit(int controlId)
{
    using namespace PersonalityField;
    if (controlId == kRxType) fillSystems(kRxType, kRxSystem, RecordLink::kRxSystem, RxSignal);
    if (controlId == kTxType) fillSystems(kTxType, kTxSystem, RecordLink::kTxSystem, TxSignal);
    if (controlId == kRxType || controlId == kRxSystem) clearIfValid(kRxType, kRxSystem);
    if (controlId == kTxType || controlId == kTxSystem) clearIfValid(kTxType, kTxSystem);
}

void CPersonalitySignalPage::notify(const ChangeNotice& notice)
{
    if (!record()) return;
    const bool systems = notice.concerns(Section::TwoToneSystems)
                         && (notice.action == NoticeAction::kAdded || notice.action == NoticeAction::kDeleted);
    if (!systems) return;
    save();
    load();
}
