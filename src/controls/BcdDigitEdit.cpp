#include "controls/BcdDigitEdit.h"

#include "model/DigitBcd.h"

#include <algorithm>

CBcdDigitEdit::CBcdDigitEdit(QWidget* parent, int digits) : CCharFilterEdit(kDecimalDigits, parent)
{
    setDigitCount(digits);
}

void CBcdDigitEdit::setDigitCount(int digits)
{
    digits_ = std::max(2, digits + (digits & 1));
    setMaxLength(digits_);
}

QString CBcdDigitEdit::textOf(const std::vector<std::uint8_t>& bytes)
{
    return QString::fromStdString(DigitBcd::text(bytes));
}

std::vector<std::uint8_t> CBcdDigitEdit::bytesOf(const QString& text, int digits)
{
    std::vector<std::uint8_t> out(static_cast<std::size_t>(std::max(digits, 0) + 1) / 2);
    DigitBcd::pack(text.toStdString(), out);
    return out;
}

void CBcdDigitEdit::setBytes(const std::vector<std::uint8_t>& bytes) { setText(textOf(bytes)); }

void CBcdDigitEdit::padText()
{
    if (text().size() < digits_) setText(text().rightJustified(digits_, QLatin1Char('0')));
}

std::vector<std::uint8_t> CBcdDigitEdit::bytes()
{
    padText();
    return bytesOf(text(), digits_);
}

void CBcdDigitEdit::focusOutEvent(QFocusEvent* event)
{
    padText();
    CCharFilterEdit::focusOutEvent(event);
}
