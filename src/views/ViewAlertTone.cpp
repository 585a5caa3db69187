#include "views/ViewAlertTone.h"

#include "controls/Binders.h"
#include "controls/ControlId.h"
#include "controls/LanguageSource.h"
#include "controls/RangeValueEdit.h"
#include "controls/SpinButtons.h"
#include "views/EditorRegistry.h"
#include "views/TonePlayer.h"
#include "views/ViewIds.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QStyle>

namespace {

constexpr int kLowestToneCode = 40;   // frequency codes below it are no tone

constexpr FormControl kControls[] = {
    {5012, FormKind::Label, "Cycle"},
    {CViewAlertTone::kCycle, FormKind::Combo, "", "cycle"},
    {5017, FormKind::Label, "Beep Segment Num"},
    {CViewAlertTone::kSegments, FormKind::RangeEdit, "", "beep_segments"},
};

// A frequency code below the lowest tone is shown as off; off is stored as
// 1 (the radio never gets a 0), and an unchanged low code is kept.
class ToneFrequencyBinder : public FieldBinder {
public:
    ToneFrequencyBinder(CRangeValueEdit* edit, const BoundField& field) : FieldBinder(edit, field), edit_(edit) {}
    void load(const Record& r) override
    {
        const auto code = static_cast<int>(readField(r, field()));
        edit_->setValue(code < kLowestToneCode ? 0 : code);
    }
    void save(Record& r) override
    {
        const int v = edit_->value();
        const auto old = static_cast<int>(readField(r, field()));
        if (v == 0 && old > 0 && old < kLowestToneCode) return;
        writeField(r, field(), static_cast<std::uint32_t>(v == 0 ? 1 : v));
    }
    void clear() override { edit_->clear(); }

private:
    CRangeValueEdit* edit_;
};

// The number an edit shows; 0 for off or no number.
int shownNumber(const QWidget* form, int id)
{
    auto* edit = findControlAs<QLineEdit>(form, id);
    return edit ? edit->text().toInt() : 0;
}

}  // namespace

CViewAlertTone::CViewAlertTone(EditorContext& context, QWidget* parent)
    : CCustomFormView(*EditorRegistry::find(ViewCommand::kAlertTone), context, parent)
{
    setPlayer(new AudioTonePlayer);
}

CViewAlertTone::~CViewAlertTone()
{
    if (player_) player_->stop();
}

void CViewAlertTone::setPlayer(TonePlayer* player)
{
    if (player_) {
        player_->stop();
        delete player_;
    }
    player_ = player;
    player_->setParent(this);
    connect(player_, &TonePlayer::finished, this, [this] { showPlaying(false); });
}

void CViewAlertTone::buildForm(QWidget* form)
{
    buildFormControls(form, {Section::AlertTones, kControls}, bindings());
    form->setWindowTitle(QStringLiteral("Alert Tone"));
    auto* grid = static_cast<QGridLayout*>(form->layout());
    auto* segments = findControlAs<CRangeValueEdit>(form, kSegments);
    segments->setMaxLength(3);
    connect(CSpinButtons::attach(segments, 5047), &CSpinButtons::stepped, this, [this](int id) { commit(id); });

    // The eight tones: a row each, frequency and duration side by side.
    auto* tones = new QWidget(form);
    auto* table = new QGridLayout(tones);
    table->setContentsMargins(0, 0, 0, 0);
    auto head = [tones](int id, const char* text) {
        auto* l = new QLabel(QString::fromUtf8(text), tones);
        setControlId(l, id);
        return l;
    };
    table->addWidget(head(5013, "Frequency[Hz]"), 0, 1);
    table->addWidget(head(5014, "Duration[ms]"), 0, 2);
    for (int k = 0; k < AlertTonePlan::kTones; ++k) {
        auto* number = new QLabel(QString::number(k + 1), tones);
        table->addWidget(number, k + 1, 0);
        auto* frequency = new CRangeValueEdit(tones);
        auto* duration = new CRangeValueEdit(tones);
        setControlId(frequency, frequencyEdit(k));
        setControlId(duration, durationEdit(k));
        frequency->setMaxLength(4);
        duration->setMaxLength(4);
        number->setBuddy(frequency);
        table->addWidget(frequency, k + 1, 1);
        table->addWidget(duration, k + 1, 2);
        if (const BoundField* f = findField(Section::AlertTones, "tone_%_frequency", k))
            bindings().add(std::make_unique<ToneFrequencyBinder>(frequency, *f));
        if (const BoundField* f = findField(Section::AlertTones, "tone_%_duration", k))
            bindings().add(std::make_unique<RangeBinder>(duration, *f));
        // Spins 5033-5040 step the frequencies (off below the range), 5048-5055 the durations.
        for (auto [edit, spinId, offBelow] : {std::tuple{frequency, 5033 + k, true}, std::tuple{duration, 5048 + k, false}})
            connect(CSpinButtons::attach(edit, spinId, offBelow), &CSpinButtons::stepped, this,
                    [this](int id) { commit(id); });
    }
    const int row = grid->rowCount();
    grid->addWidget(tones, row, 0, 1, 2);

    auto* buttons = new QHBoxLayout;
    auto* icon = new QLabel(form);
    setControlId(icon, kPlayingIcon);
    auto* play = new QPushButton(QStringLiteral("Play"), form);
    auto* stop = new QPushButton(QStringLiteral("Stop"), form);
    setControlId(play, kPlay);
    setControlId(stop, kStop);
    buttons->addWidget(icon);
    buttons->addWidget(play);
    buttons->addWidget(stop);
    buttons->addStretch(1);
    grid->addLayout(buttons, row + 1, 0, 1, 2);
    grid->setRowStretch(row + 2, 1);
    connect(play, &QPushButton::clicked, this, &CViewAlertTone::play);
    connect(stop, &QPushButton::clicked, this, &CViewAlertTone::stopPlaying);
    showPlaying(false);
}

void CViewAlertTone::loadControls(Record*)
{
    // Another record is shown: what played belonged to the one before.
    stopPlaying();
    computePlan();
}

void CViewAlertTone::commit(int controlId)
{
    if (controlId == kPlay || controlId == kStop) return;   // their own handlers act
    CCustomFormView::commit(controlId);
    computePlan();
}

void CViewAlertTone::computePlan()
{
    AlertTonePlan p;
    for (int k = 0; k < AlertTonePlan::kTones; ++k) {
        p.frequencyHz[static_cast<std::size_t>(k)] = shownNumber(form(), frequencyEdit(k));
        p.durationMs[static_cast<std::size_t>(k)] = shownNumber(form(), durationEdit(k));
    }
    int cycle = 1;
    if (auto* combo = findControlAs<QComboBox>(form(), kCycle); combo && combo->currentIndex() >= 0)
        cycle = combo->currentData().toInt();
    p.repetitions = cycle == 0 ? AlertTonePlan::kEndless : cycle;
    p.pauseMs = shownNumber(form(), kSegments) * 1000;
    plan_ = p;
}

void CViewAlertTone::play()
{
    if (!player_ || player_->isPlaying()) return;
    save();
    computePlan();
    if (!plan_.playable()) return;
    if (!player_->play(plan_)) {
        const std::string text = context().language().message(kNoSoundMessage);
        QStatusTipEvent tip(text.empty() ? QStringLiteral("No sound output is available.") : QString::fromStdString(text));
        QApplication::sendEvent(this, &tip);
        return;
    }
    showPlaying(true);
}

void CViewAlertTone::stopPlaying()
{
    if (player_) player_->stop();
    showPlaying(false);
}

void CViewAlertTone::showPlaying(bool playing)
{
    if (auto* play = findControlAs<QPushButton>(form(), kPlay)) play->setEnabled(!playing);
    if (auto* icon = findControlAs<QLabel>(form(), kPlayingIcon)) {
        const auto which = playing ? QStyle::SP_MediaVolume : QStyle::SP_MediaVolumeMuted;
        const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
        icon->setPixmap(style()->standardIcon(which).pixmap(size, size));
    }
}

void CViewAlertTone::closeEvent(QCloseEvent* event)
{
    stopPlaying();
    CCustomFormView::closeEvent(event);
}
