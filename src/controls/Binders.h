#pragma once
// The binders, one per kind of field and control:
//   OptionComboBinder  a number shown as a choice of an option list; the
//                      combo's items carry their values as item data, so
//                      two items with the same text still store their own
//                      values
//   CheckBinder        one bit as a check box
//   TextBinder         a zero-padded text, one character a byte
//   FreqBinder         a frequency word in a frequency edit
//   RangeBinder        a stored number in a range edit
//   BcdDigitsBinder    packed BCD digits in a digit edit
//   TonePairBinder     a tone word as its type choice and its two tone boxes
#include "controls/FieldBinder.h"

class CBcdDigitEdit;
class CFreqEdit;
class CRangeValueEdit;
class QAbstractButton;
class QComboBox;
class QLineEdit;

class OptionComboBinder : public FieldBinder {
public:
    OptionComboBinder(QComboBox* combo, const BoundField& field);
    // A value without an item shows no choice; saving then keeps the field.
    void load(const Record& record) override;
    void save(Record& record) override;
    void clear() override;

private:
    QComboBox* combo_;
};

class CheckBinder : public FieldBinder {
public:
    CheckBinder(QAbstractButton* check, const BoundField& field);
    void load(const Record& record) override;
    void save(Record& record) override;
    void clear() override;

private:
    QAbstractButton* check_;
};

class TextBinder : public FieldBinder {
public:
    TextBinder(QLineEdit* edit, const BoundField& field);
    // Up to the first zero byte; every other byte is one character, so an
    // unreadable byte stays visible instead of cutting the text.
    void load(const Record& record) override;
    // The text cut to the field, padded with zero bytes.
    void save(Record& record) override;
    void clear() override;

private:
    QLineEdit* edit_;
};

class FreqBinder : public FieldBinder {
public:
    FreqBinder(CFreqEdit* edit, const BoundField& field);
    void load(const Record& record) override;
    void save(Record& record) override;
    void clear() override;

private:
    CFreqEdit* edit_;
};

class RangeBinder : public FieldBinder {
public:
    RangeBinder(CRangeValueEdit* edit, const BoundField& field);
    void load(const Record& record) override;
    void save(Record& record) override;
    void clear() override;

private:
    CRangeValueEdit* edit_;
};

class BcdDigitsBinder : public FieldBinder {
public:
    BcdDigitsBinder(CBcdDigitEdit* edit, const BoundField& field);
    void load(const Record& record) override;
    void save(Record& record) override;
    void clear() override;

private:
    CBcdDigitEdit* edit_;
};

class TonePairBinder : public FieldBinder {
public:
    // `type` is the control; the two boxes are editable combos.
    TonePairBinder(QComboBox* type, QComboBox* ctcss, QComboBox* cdcss, const BoundField& field);
    void load(const Record& record) override;
    void save(Record& record) override;
    void clear() override;

private:
    QComboBox* type_;
    QComboBox* ctcss_;
    QComboBox* cdcss_;
};

// The binder a control of this kind gets for `field`; nullptr when the
// control and the field do not fit together (a check box on a text...).
std::unique_ptr<FieldBinder> makeBinder(QWidget* control, const BoundField& field);
