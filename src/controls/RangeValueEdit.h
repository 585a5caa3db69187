#pragma once
// The numeric edit: the user types a number in shown units, the control
// keeps the stored value the record holds. Seven parameters relate the two
// (minimum, step, maximum, divisor, value0, valuestep, decimals):
//   shown n = (v - value0) * step / valuestep + minimum, shown as n / divisor
//   stored v = value0 + (n - minimum) * valuestep / step
// A stored 0 means off and is shown as the word for off; typing that word,
// 0 or nothing turns the value off. Other entries are lowered to a multiple
// of the step and clamped to [minimum, maximum] when the edit loses focus.
#include "controls/CharFilterEdit.h"
#include "controls/LanguageSource.h"

class CRangeValueEdit : public CCharFilterEdit {
    Q_OBJECT
public:
    explicit CRangeValueEdit(QWidget* parent = nullptr);

    void setParams(const RangeParams& params);
    const RangeParams& params() const { return params_; }
    void setOffWord(const QString& word);
    QString offWord() const { return offWord_; }

    // Shows stored value v.
    void setValue(int v);
    // The stored value; the text is committed first.
    int value();
    // Reads the text into the stored value, normalises the text and emits
    // valueCommitted. Called when the edit loses focus.
    void commitText();
    // One spin click: moves the shown number by `steps` steps of the range,
    // never beyond it. With `offBelow` the step below the minimum is off
    // (and up from off is the minimum); otherwise off steps to the minimum
    // and the minimum is the end. The new text is selected.
    void stepBy(int steps, bool offBelow = false);

signals:
    void valueCommitted(int value);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    QString shownText(int n) const;
    int shownNumber(int v) const;
    int storedValue(int n) const;
    int readNumber(const QString& text, bool* ok) const;
    void showOff();

    RangeParams params_;
    QString offWord_ = QStringLiteral("Off");
    int value_ = 0;
};
