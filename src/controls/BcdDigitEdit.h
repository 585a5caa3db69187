#pragma once
// An edit for a fixed-length digit string kept as packed BCD bytes (two
// digits a byte, first digit in the high nibble). Shown as two hexadecimal
// characters a byte, so a damaged byte stays visible (and unchanged) rather
// than being guessed at; typed input is digits only. When the edit loses
// focus a short entry is padded on the left with '0' to the digit count.
#include "controls/CharFilterEdit.h"

#include <cstdint>
#include <vector>

class CBcdDigitEdit : public CCharFilterEdit {
    Q_OBJECT
public:
    explicit CBcdDigitEdit(QWidget* parent = nullptr, int digits = 12);

    // Digit count (even; an odd count is rounded up) and the byte count that follows.
    void setDigitCount(int digits);
    int digitCount() const { return digits_; }
    int byteCount() const { return digits_ / 2; }

    void setBytes(const std::vector<std::uint8_t>& bytes);
    // The bytes of the text; the text is padded first.
    std::vector<std::uint8_t> bytes();
    void padText();

    // The conversions on their own, for records and tests.
    static QString textOf(const std::vector<std::uint8_t>& bytes);
    static std::vector<std::uint8_t> bytesOf(const QString& text, int digits);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    int digits_ = 12;
};
