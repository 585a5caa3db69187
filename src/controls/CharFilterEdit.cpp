#include "controls/CharFilterEdit.h"

#include <QApplication>
#include <QValidator>

// The validator sees every change the user makes (typing, paste, drop, input
// methods) as the whole new text, so refusing a text with a new foreign
// character refuses a paste as a whole. Text set by the program may hold
// characters outside the set (the word for "off", a damaged value): those
// already shown do not block further typing.
class CCharFilterEdit::Filter : public QValidator {
public:
    explicit Filter(CCharFilterEdit* edit) : QValidator(edit), edit_(edit) {}
    State validate(QString& input, int&) const override
    {
        // The line edit holds the new text already; compare with the last one kept.
        const QString& before = edit_->kept_;
        for (QChar c : input) {
            if (!edit_->isAllowed(c) && input.count(c) > before.count(c)) return Invalid;
        }
        return Acceptable;
    }

private:
    CCharFilterEdit* edit_;
};

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
