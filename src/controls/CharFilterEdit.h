#pragma once
// A line edit that accepts only a given set of characters. A typed
// character outside the set is dropped with a beep; a paste (or drop) is
// taken only when every character of it is allowed, otherwise nothing is
// inserted and the beep sounds. Editing keys and the clipboard shortcuts
// work as usual.
#include <QLineEdit>

class CCharFilterEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CCharFilterEdit(const QString& allowed = QString(), QWidget* parent = nullptr);

    // An empty set allows everything.
    void setAllowedChars(const QString& allowed);
    QString allowedChars() const { return allowed_; }

    bool isAllowed(QChar c) const;
    bool isAllowed(const QString& text) const;

    // The characters an edit put in: `after` is the text with the cursor
    // just behind the insertion, `before` the text it replaced.
    static QString insertedText(const QString& before, const QString& after, int cursor);

signals:
    // Emitted with the beep whenever input was refused.
    void inputRefused();

private:
    class Filter;
    void refuse();
    QString allowed_;
    QString kept_;   // the text before the change being validated
};

// The digit sets the editors use.
inline const QString kDecimalDigits = QStringLiteral("0123456789");
inline const QString kOctalDigits = QStringLiteral("01234567");
