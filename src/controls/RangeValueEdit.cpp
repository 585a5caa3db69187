#include "controls/RangeValueEdit.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// Parameters from an untrusted language file must not divide by zero.
int nonZero(int v) { return v == 0 ? 1 : v; }

int clampToInt(long long v)
{
    return static_cast<int>(std::clamp<long long>(v, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}
}  // namespace

CRangeValueEdit::CRangeValueEdit(QWidget* parent) : CCharFilterEdit(kDecimalDigits, parent)
{
    showOff();
}

void CRangeValueEdit::setParams(const RangeParams& params)
{
    params_ = params;
    // Values with decimals are shown with a decimal point, so it must be
    // typeable for the shown text to be edited.
    QString allowed = kDecimalDigits;
    if (params_.decimals > 0) allowed += QStringLiteral(".") + QLocale().decimalPoint();
    setAllowedChars(allowed);
    setValue(value_);
}

void CRangeValueEdit::setOffWord(const QString& word)
{
    const bool wasOff = value_ == 0;
    if (!word.isEmpty()) offWord_ = word;
    if (wasOff) showOff();
}

void CRangeValueEdit::setValue(int v)
{
    value_ = v;
    if (v == 0) showOff();
    else setText(shownText(shownNumber(v)));
}

int CRangeValueEdit::value()
{
    commitText();
    return value_;
}

void CRangeValueEdit::showOff()
{
    value_ = 0;
    setText(offWord_);
}

int CRangeValueEdit::shownNumber(int v) const
{
    const long long n = (static_cast<long long>(v) - params_.value0) * params_.step
                            / nonZero(params_.valueStep)
                        + params_.first;
    return clampToInt(n);
}

int CRangeValueEdit::storedValue(int n) const
{
    const long long v = params_.value0
                        + (static_cast<long long>(n) - params_.first) * params_.valueStep
                              / nonZero(params_.step);
    return clampToInt(v);
}

QString CRangeValueEdit::shownText(int n) const
{
    if (params_.decimals <= 0) return QString::number(n);
    return QString::number(static_cast<double>(n) / nonZero(params_.divisor), 'f',
                           std::min(params_.decimals, 9));
}

int CRangeValueEdit::readNumber(const QString& text, bool* ok) const
{
    if (params_.decimals > 0) {
        // The shown text of a value with decimals is n / divisor: read it
        // back the same way, so leaving the edit unchanged keeps the value.
        QString t = text;
        t.replace(QLocale().decimalPoint(), QStringLiteral("."));
        const double r = t.toDouble(ok);
        if (*ok) return clampToInt(std::llround(r * nonZero(params_.divisor)));
    }
    // Leading digits as an integer, the way a C reader takes "12ab" as 12.
    long long n = 0;
    int digits = 0;
    for (QChar c : text) {
        if (!c.isDigit()) break;
        n = std::min<long long>(n * 10 + c.digitValue(), std::numeric_limits<int>::max());
        ++digits;
    }
    *ok = digits > 0;
    return static_cast<int>(n);
}

void CRangeValueEdit::commitText()
{
    const QString text = this->text().trimmed();
    if (text.isEmpty() || text == offWord_) {
        showOff();
        emit valueCommitted(value_);
        return;
    }
    bool ok = false;
    int n = readNumber(text, &ok);
    const int step = nonZero(params_.step);
    n -= n % step;
    if (!ok || n == 0) {
        showOff();
    } else {
        n = std::clamp(n, std::min(params_.first, params_.last), std::max(params_.first, params_.last));
        value_ = storedValue(n);
        setText(shownText(n));
    }
    emit valueCommitted(value_);
}

void CRangeValueEdit::stepBy(int steps, bool offBelow)
{
    commitText();
    const long long low = std::min(params_.first, params_.last);
    const long long high = std::max(params_.first, params_.last);
    long long n = 0;
    bool off = false;
    if (value_ == 0 && offBelow) {
        // Off lies below the range: up reaches the minimum, down stays off.
        off = steps <= 0;
        n = low;
    } else {
        n = static_cast<long long>(shownNumber(value_)) + static_cast<long long>(steps) * nonZero(params_.step);
        off = offBelow && n < low;
        n = std::clamp(n, low, high);
    }
    const int stored = storedValue(static_cast<int>(n));
    if (off || stored == 0) {
        showOff();
    } else {
        value_ = stored;
        setText(shownText(static_cast<int>(n)));
    }
    selectAll();
    emit valueCommitted(value_);
}

void CRangeValueEdit::focusOutEvent(QFocusEvent* event)
{
    commitText();
    CCharFilterEdit::focusOutEvent(event);
}
