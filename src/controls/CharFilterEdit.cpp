#include "controls/CharFilterEdit.h"

#include <QApplication>
#include <QValidator>

#include <algorithm>

// The validator sees every change the user makes (typing, paste, drop, input
// methods) as the whole new text, with the cursor just after what was put
// in. Every character between the unchanged start and the cursor is new and
// must be allowed, so refusing it refuses a paste as a whole. Text set by
// the program (which leaves the edit unmodified) may hold characters
// outside the set (the word for "off", a damaged value): those kept from it
// do not block further typing, but typing them again is refused.
class CCharFilterEdit::Filter : public QValidator {
public:
    explicit Filter(CCharFilterEdit* edit) : QValidator(edit), edit_(edit) {}
    State validate(QString& input, int& pos) const override
    {
        // Text the program sets clears the edit history and is taken as it
        // is; whatever the user does afterwards marks the edit modified.
        if (!edit_->isModified()) return Acceptable;
        return edit_->isAllowed(insertedText(edit_->kept_, input, pos)) ? Acceptable : Invalid;
    }

private:
    CCharFilterEdit* edit_;
};

QString CCharFilterEdit::insertedText(const QString& before, const QString& after, int cursor)
{
    cursor = std::clamp(cursor, 0, static_cast<int>(after.size()));
    // What follows the cursor is the unchanged end of the old text.
    const int tail = static_cast<int>(after.size()) - cursor;
    int head = 0;
    const int headLimit = std::min(cursor, static_cast<int>(before.size()) - tail);
    while (head < headLimit && before[head] == after[head]) ++head;
    return after.mid(head, cursor - head);
}

CCharFilterEdit::CCharFilterEdit(const QString& allowed, QWidget* parent)
    : QLineEdit(parent), allowed_(allowed)
{
    setValidator(new Filter(this));
    connect(this, &QLineEdit::inputRejected, this, &CCharFilterEdit::refuse);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { kept_ = text; });
}

void CCharFilterEdit::setAllowedChars(const QString& allowed) { allowed_ = allowed; }

bool CCharFilterEdit::isAllowed(QChar c) const
{
    // Line breaks pass as the editing keys they are typed with.
    return allowed_.isEmpty() || allowed_.contains(c) || c == u'\n' || c == u'\r';
}

bool CCharFilterEdit::isAllowed(const QString& text) const
{
    for (QChar c : text) {
        if (!isAllowed(c)) return false;
    }
    return true;
}

void CCharFilterEdit::refuse()
{
    QApplication::beep();
    emit inputRefused();
}
