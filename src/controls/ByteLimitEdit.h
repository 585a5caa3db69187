#pragma once
// A free-text edit whose text must fit a byte count in the radio's
// double-byte code page: a character below 128 takes one byte, any other
// character two. Text beyond the limit is cut after every change, never in
// the middle of a character, and the caret goes to the end.
#include <QLineEdit>

class CByteLimitEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CByteLimitEdit(int byteLimit = 255, QWidget* parent = nullptr);

    // Limits of 256 and more are kept as 255.
    void setByteLimit(int limit);
    int byteLimit() const { return limit_; }

    static int byteLength(const QString& text);
    // The longest head of `text` that fits `limit` bytes.
    static QString cutToBytes(const QString& text, int limit);

private:
    void enforce();
    int limit_ = 255;
};
