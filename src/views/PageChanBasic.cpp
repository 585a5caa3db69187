#include "views/PageChanBasic.h"

#include "controls/ControlId.h"
#include "controls/FreqEdit.h"
#include "controls/LanguageSource.h"
#include "controls/ToneCombo.h"
#include "model/ChannelRecord.h"
#include "model/ChannelTexts.h"
#include "model/FreqBcd.h"
#include "model/ToneWord.h"
#include "views/EditorContext.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

enum : int {
    kSpacing = 3661,
    kPower = 3663,
    kRxFreq = 3666,
    kRxType = 3668,
    kRxCtcss = 3670,
    kRxCdcss = 3672,
    kCopy = 3682,
    kTxFreq = 3675,
    kTxType = 3677,
    kTxCtcss = 3679,
    kTxCdcss = 3681,
};

struct Side {
    int freq, type, ctcss, cdcss;
    const char* freqLabel;
    const char* typeLabel;
};
constexpr Side kReceive{kRxFreq, kRxType, kRxCtcss, kRxCdcss, "RX Frequency[MHz]", "RX Type"};
constexpr Side kTransmit{kTxFreq, kTxType, kTxCtcss, kTxCdcss, "TX Frequency[MHz]", "TX Type"};

QLabel* label(QWidget* parent, int id, const char* text)
{
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    setControlId(l, id);
    return l;
}

}  // namespace

CPageChanBasic::CPageChanBasic(EditorContext& context, QWidget* parent) : CRecordPage(3656, context, parent) {}

void CPageChanBasic::buildPage()
{
    auto* grid = new QGridLayout(this);
    auto addPair = [&](int row, int col, int id, const char* text, QWidget* control) {
        QLabel* l = label(this, id - 1, text);
        l->setBuddy(control);
        setControlId(control, id);
        grid->addWidget(l, row, col);
        grid->addWidget(control, row, col + 1);
    };
    addPair(0, 0, kSpacing, "Channel Spacing", new QComboBox(this));
    addPair(0, 2, kPower, "Power Level", new QComboBox(this));

    int row = 1;
    for (const Side& side : {kReceive, kTransmit}) {
        // One frame per direction; its labels say which direction it is.
        auto* group = new QGroupBox(this);
        auto* g = new QGridLayout(group);
        auto* freq = new CFreqEdit(group);
        freq->setMaxLength(9);
        freq->setMayBeEmpty(true);
        connect(freq, &CFreqEdit::pageMessage, this, &CQAVPropertyPage::pageMessage);
        (side.freq == kRxFreq ? rxFreq_ : txFreq_) = freq;
        auto* type = new QComboBox(group);
        auto* ctcss = new QComboBox(group);
        auto* cdcss = new QComboBox(group);
        const struct { int id; const char* text; QWidget* w; } cells[] = {
            {side.freq, side.freqLabel, freq},
            {side.type, side.typeLabel, type},
            {side.ctcss, "CTCSS", ctcss},
            {side.cdcss, "CDCSS", cdcss},
        };
        int r = 0;
        for (const auto& c : cells) {
            QLabel* l = label(group, c.id - 1, c.text);
            l->setBuddy(c.w);
            setControlId(c.w, c.id);
            g->addWidget(l, r, 0);
            g->addWidget(c.w, r++, 1);
        }
        grid->addWidget(group, row, 0, 1, 4);
        if (side.freq == kRxFreq) {
            auto* copy = new QPushButton(QStringLiteral("RX \u2192 TX"), this);
            setControlId(copy, kCopy);
            grid->addWidget(copy, ++row, 0, 1, 4, Qt::AlignLeft);
        }
        ++row;
    }
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void CPageChanBasic::setupPage()
{
    for (int id : {kRxCtcss, kTxCtcss}) makeCtcssCombo(findControlAs<QComboBox>(this, id));
    for (int id : {kRxCdcss, kTxCdcss}) makeCdcssCombo(findControlAs<QComboBox>(this, id));
    const FreqBand band = FreqBand::of(context().model());
    rxFreq_->setBand(band);
    txFreq_->setBand(band);
}

void CPageChanBasic::matchTransmitEdit()
{
    const bool hasRx = !rxFreq_->text().trimmed().isEmpty();
    if (!hasRx) txFreq_->clear();
    enable(kTxFreq, hasRx);
}

void CPageChanBasic::matchToneBoxes()
{
    for (const Side& side : {kReceive, kTransmit}) {
        auto* type = findControlAs<QComboBox>(this, side.type);
        const int t = type && type->currentIndex() >= 0 ? type->currentData().toInt() : 0;
        enable(side.ctcss, t == static_cast<int>(ToneWord::kTypeCtcss));
        enable(side.cdcss, ToneWord::isCdcssType(static_cast<unsigned>(t)));
    }
}

void CPageChanBasic::loadControls(Record& record)
{
    const ChannelTexts t = channelToTexts(record, [this](int id) { return language().comboItems(id); });
    const FreqBand band = FreqBand::of(context().model());
    rxFreq_->setBand(band);
    txFreq_->setBand(band);
    auto choose = [this](int id, const std::string& text) {
        if (auto* c = findControlAs<QComboBox>(this, id)) c->setCurrentIndex(c->findText(QString::fromStdString(text)));
    };
    auto tone = [this](int id, const std::string& text) {
        if (auto* c = findControlAs<QComboBox>(this, id)) c->setEditText(QString::fromStdString(text));
    };
    choose(kSpacing, t.spacing);
    choose(kPower, t.power);
    choose(kRxType, t.rxType);
    choose(kTxType, t.txType);
    tone(kRxCtcss, t.rxCtcss);
    tone(kRxCdcss, t.rxCdcss);
    rxFreq_->setWord(t.rxFreq);
    tone(kTxCtcss, t.txCtcss);
    tone(kTxCdcss, t.txCdcss);
    txFreq_->setWord(t.txFreq);
    matchTransmitEdit();
    matchToneBoxes();
}

void CPageChanBasic::saveControls(Record& record)
{
    using namespace ChannelField;
    const OptionItems items = [this](int id) { return language().comboItems(id); };
    ChannelTexts t = channelToTexts(record, items);
    auto boxText = [this](int id, std::string& into) {
        if (auto* c = findControlAs<QComboBox>(this, id); c && c->currentIndex() >= 0)
            into = c->currentText().toStdString();
    };
    auto toneText = [this](int id, std::string& into) {
        if (auto* c = findControlAs<QComboBox>(this, id)) into = c->currentText().toStdString();
    };
    boxText(kSpacing, t.spacing);
    boxText(kPower, t.power);
    boxText(kRxType, t.rxType);
    boxText(kTxType, t.txType);
    toneText(kRxCtcss, t.rxCtcss);
    toneText(kRxCdcss, t.rxCdcss);
    toneText(kTxCtcss, t.txCtcss);
    toneText(kTxCdcss, t.txCdcss);
    t.rxFreq = rxFreq_->word();
    t.rxStep = rxFreq_->stepCode();
    t.txFreq = txFreq_->word();
    t.txStep = txFreq_->stepCode();

    const Record before = record;
    channelFromTexts(record, t, items, FreqBand::of(context().model()));
    // A stored value that no item of its list names shows no choice; it is
    // kept as it was instead of being overwritten with all ones.
    auto unchosen = [this](int id) {
        auto* c = findControlAs<QComboBox>(this, id);
        return !c || c->currentIndex() < 0;
    };
    if (unchosen(kSpacing)) record.setBits(SpacingPower, 0, 4, before.bits(SpacingPower, 0, 4));
    if (unchosen(kPower)) record.setBits(SpacingPower, 4, 4, before.bits(SpacingPower, 4, 4));
    if (unchosen(kRxType)) record.setU16(RxTone, before.u16(RxTone));
    if (unchosen(kTxType)) record.setU16(TxTone, before.u16(TxTone));
}

void CPageChanBasic::copyReceiveToTransmit()
{
    Record* r = record();
    if (!r) return;
    save();
    using namespace ChannelField;
    // The step nibble is not copied: the transmit edit derives it from the
    // copied frequency.
    r->setU32(TxFreq, r->u32(RxFreq));
    r->setU16(TxTone, r->u16(RxTone));
    load();
    if (!txFreq_->text().trimmed().isEmpty()) r->setBits(Steps, 4, 4, txFreq_->stepCode() & 0xFu);
}

void CPageChanBasic::beforeCommit(int controlId)
{
    switch (controlId) {
    case kRxFreq: matchTransmitEdit(); break;
    case kRxType:
    case kTxType: matchToneBoxes(); break;
    case kCopy: copyReceiveToTransmit(); break;
    default: break;
    }
}

void CPageChanBasic::notify(const ChangeNotice& notice)
{
    // Added or deleted records, a reload request, or another editor's edit
    // of this channel: show the record as it is now.
    if (!record() || notice.source == this) return;
    const bool list = notice.action == NoticeAction::kAdded || notice.action == NoticeAction::kDeleted;
    const bool reload = notice.action == NoticeAction::kReload && notice.sectionWord == ChangeNotice::kReloadSection;
    const bool edited = notice.action == NoticeAction::kEdited && notice.concerns(Section::Channels)
                        && notice.recordId == recordId();
    if (list || reload || edited) load();
}
