#include "controls/FreqEdit.h"

#include "model/ChannelStep.h"
#include "model/FreqBcd.h"

#include <QLocale>
#include <QMetaObject>

CFreqEdit::CFreqEdit(QWidget* parent) : CCharFilterEdit(QString(), parent)
{
    // The shown form always uses '.', the locale's own point may be typed too.
    setAllowedChars(kDecimalDigits + QStringLiteral(".") + QLocale().decimalPoint());
    setMaxLength(12);
}

void CFreqEdit::setWord(std::uint32_t word)
{
    word_ = word;
    if (word == FreqBcd::kEmpty) {
        step_ = StepCode::kNone;
    } else {
        step_ = classifyDialogStep(FreqBcd::toUnits(word)).code;
    }
    committed_ = QString::fromStdString(FreqBcd::text(word));
    setText(committed_);
}

void CFreqEdit::commitText()
{
    if (text() == committed_) return;
    const FreqEntry entry = readDialogFreq(text().toStdString(), band_, mayBeEmpty_);
    word_ = entry.word;
    step_ = entry.step;
    committed_ = QString::fromStdString(entry.text);
    setText(committed_);
    if (entry.notice != 0) {
        // Posted, like the page message it stands for: the focus change
        // that triggered the commit finishes before any message box opens.
        QMetaObject::invokeMethod(
            this, [this, n = entry.notice] { emit pageMessage(n); }, Qt::QueuedConnection);
    }
}

std::uint32_t CFreqEdit::word()
{
    commitText();
    return word_;
}

std::uint8_t CFreqEdit::stepCode()
{
    commitText();
    return step_;
}

void CFreqEdit::focusOutEvent(QFocusEvent* event)
{
    commitText();
    CCharFilterEdit::focusOutEvent(event);
}
